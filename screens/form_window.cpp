#include "screens/form_window.h"

#include "game/game.h"
#include "screens/look_painter.h"
#include "screens/qt_key_codes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <utility>

namespace tintineables {

namespace {

QRect Pixels(const TwipsRect& rect) {
    return {rect.left / TwipsPerPixel, rect.top / TwipsPerPixel, rect.width / TwipsPerPixel,
            rect.height / TwipsPerPixel};
}

// A hole: a control that holds the focus and receives keys, drawn as its place in the cross
// shows it (peg, empty, lifted, the cursor). It says nothing to a screen reader, whose speech
// would only cover the cues, unless the text mode tells it words. Its name is kept here rather
// than as Qt's accessible name, whose every change is an event: an arrival's words are read
// with the focus event.
class HoleControl final : public QWidget {
public:
    HoleControl(FormWindow& window, int hole) : QWidget(&window), window_(window), hole_(hole) {}

    const QString& Told() const { return told_; }
    void SetTold(const QString& text) { told_ = text; }

protected:
    // Drawn by hand rather than as a QFrame, which a screen reader would announce as a frame
    // on every arrow.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const FormLook& look = window_.Look();
        if (look.curtain) {
            painter.fillRect(rect(), Qt::black);
            return;
        }
        PaintHole(painter, QRectF(rect()), look.holes[static_cast<std::size_t>(hole_ - 1)],
                  hole_ == CentreHole, look.cursor == hole_, window_.Colours());
    }

    // QWidget repaints a widget that gains or loses the focus. The cursor's ring follows the
    // game's cursor instead (ShowLook), which is where the focus is: skip it, on every arrow.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

    // A click: the game moves the cursor here, or picks up or drops on the cursor's own hole.
    // A hole takes the focus from the game alone (its policy leaves clicks out), so the click
    // finds the focus where the player had it.
    void mousePressEvent(QMouseEvent* event) override { window_.MouseDown(this, *event); }

private:
    FormWindow& window_;
    int hole_;
    QString told_;
};

// What a screen reader asks of a hole: the text mode's words as its name.
class HoleAccessible final : public QAccessibleWidget {
public:
    explicit HoleAccessible(HoleControl* hole) : QAccessibleWidget(hole) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const HoleControl*>(widget())->Told();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* HoleAccessibleFor(const QString&, QObject* object) {
    if (auto* hole = dynamic_cast<HoleControl*>(object)) {
        return new HoleAccessible(hole);
    }
    return nullptr;
}

} // namespace

FormWindow::FormWindow(Game& game, const FormView& view)
    : game_(&game), screen_(view.screen), preview_(new KeyPreview(*this)) {
    static const bool holesNamed = (QAccessible::installFactory(&HoleAccessibleFor), true);
    static_cast<void>(holesNamed);
    setObjectName(QString::fromStdString(view.formName));
    setWindowTitle(QString::fromStdString(view.title));
    // Large enough to see the cross by, and drawn in it, not in the designed 312 x 206 pixels
    // whose holes lay piled on one another: the controls keep their names, kinds and order.
    // Taller by the captions' band, under the square of the cross or of the buttons.
    resize(ShownClientPixels,
           ShownClientPixels +
               CaptionBandFor(ShownClientPixels, QFontInfo(font()).pixelSize(), CaptionLines())
                   .bandPixels);
    look_.screen = screen_;
    TakeColours();
    if (!view.maxButton) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    // The window itself is never in the Tab chain; with no focusable control it still gets
    // every key, as the receiver of last resort.
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(preview_);
    for (const ControlView& control : view.controls) {
        Build(control);
    }
}

void FormWindow::Build(const ControlView& view) {
    QWidget* control = nullptr;
    switch (view.kind) {
    case ControlKind::Hole:
        control = new HoleControl(*this, HoleOfControl(view.id));
        break;
    case ControlKind::Button: {
        auto* button = new QPushButton(QString::fromStdString(view.caption), this);
        button->setAutoDefault(false);
        if (!view.accessibleName.empty()) {
            // Its caption stays "Command9"; a screen reader says what it does.
            button->setAccessibleName(QString::fromStdString(view.accessibleName));
        }
        const ControlId id = view.id;
        QObject::connect(button, &QPushButton::clicked, button, [this, id] {
            if (game_ != nullptr) {
                game_->Click(screen_, id);
            }
        });
        control = button;
        break;
    }
    case ControlKind::MultimediaControl:
        // The hidden multimedia control: it only stands for the form's sound player.
        control = new QWidget(this);
        break;
    }
    control->setObjectName(QString::fromStdString(view.name));
    control->setGeometry(Pixels(view.rect));
    const bool hole = view.kind == ControlKind::Hole;
    control->setFocusPolicy(!view.visible || !view.tabStop ? Qt::NoFocus
                            : hole                         ? Qt::TabFocus
                                                           : Qt::StrongFocus);
    control->setVisible(view.visible);
    control->installEventFilter(preview_);
    controls_.emplace_back(view.id, control);
}

QWidget* FormWindow::Control(ControlId id) const {
    for (const auto& [controlId, widget] : controls_) {
        if (controlId == id) {
            return widget;
        }
    }
    return nullptr;
}

ControlId FormWindow::IdOf(const QObject* widget) const {
    for (const auto& [controlId, control] : controls_) {
        if (control == widget) {
            return controlId;
        }
    }
    return NoControl;
}

void FormWindow::Detach() { game_ = nullptr; }

ControlId FormWindow::FocusedControl() const {
    const QWidget* focus = QApplication::focusWidget();
    if (IsWordHolder(focus)) {
        focus = focus->parentWidget();
    }
    return IdOf(focus);
}

void FormWindow::MouseDown(const QWidget* over, const QMouseEvent& event) {
    if (game_ != nullptr &&
        (event.button() == Qt::LeftButton || event.button() == Qt::RightButton)) {
        game_->MouseDown(screen_, IdOf(over), event.button() == Qt::RightButton, FocusedControl());
    }
}

void FormWindow::ShowLook(const FormLook& look) {
    const FormLook before = std::exchange(look_, look);
    if (before.curtain != look.curtain) {
        TakeColours();
    }
    if (before.captioned != look.captioned) {
        PlaceControls(); // the cross takes the band the captions left, or gives it back
    }
    if (screen_ != Screen::Board || before.curtain != look.curtain ||
        before.captioned != look.captioned) {
        update();
        for (const auto& [id, control] : controls_) {
            control->update();
        }
        return;
    }
    if (before.caption != look.caption || before.status != look.status) {
        update(CaptionArea());
    }
    for (int hole = 1; hole <= HoleCount; ++hole) {
        const auto at = static_cast<std::size_t>(hole - 1);
        const bool cursorMoved = (before.cursor == hole) != (look.cursor == hole);
        if (before.holes[at] != look.holes[at] || cursorMoved) {
            Control(PictureControl(hole))->update();
        }
    }
}

void FormWindow::TakeColours() {
    palette_ = DesktopPalette();
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(palette_.board));
    colours.setColor(QPalette::WindowText, ToQColor(palette_.text));
    colours.setColor(QPalette::Button, ToQColor(palette_.board));
    colours.setColor(QPalette::ButtonText, ToQColor(palette_.text));
    colours.setColor(QPalette::Highlight, ToQColor(palette_.cursor));
    setPalette(colours);
    // Command9 in the same contrast as the rest: a thick frame in the text's colour, the
    // cursor's when it has the focus (a style's own frame is drawn from shades of the window's
    // colour, which on black is black).
    // Under the curtain it is as black as the rest.
    const auto css = [this](Rgb c) {
        return look_.curtain ? QStringLiteral("black") : ToQColor(c).name();
    };
    setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: 3px solid %2;"
                                 " border-radius: 6px; padding: 6px; }"
                                 " QPushButton:focus { border: 5px solid %3; }")
                      .arg(css(palette_.board), css(palette_.text), css(palette_.cursor)));
    update();
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) {
        TakeColours(); // the player changed the desktop's theme
        for (const auto& [id, control] : controls_) {
            control->update();
        }
    }
    QWidget::changeEvent(event);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    PlaceControls();
    QWidget::resizeEvent(event);
}

void FormWindow::PlaceControls() {
    for (const auto& [id, control] : controls_) {
        if (const int hole = HoleOfControl(id); screen_ == Screen::Board && hole != NoHole) {
            const Hole& place = HoleByNumber(hole);
            control->setGeometry(CellOf(CrossArea(), place.x, place.y).toAlignedRect());
        } else if (id == Command9Control && screen_ == Screen::Board) {
            // The empty corner of the cross at its bottom right: two cells by two.
            const QRectF corner =
                CellOf(CrossArea(), 6, 2).united(CellOf(CrossArea(), 7, 1)).adjusted(8, 8, -8, -8);
            const int height =
                std::max(control->sizeHint().height(), static_cast<int>(corner.height() / 3));
            control->setGeometry(
                QRect(corner.left(), corner.bottom() - height, corner.width(), height));
        }
    }
}

QRect FormWindow::ChoicesArea() const { return rect().adjusted(0, 0, 0, -CaptionArea().height()); }

int FormWindow::CaptionLines() const {
    return screen_ == Screen::Board ? BoardCaptionLines : SpokenCaptionLines;
}

CaptionBand FormWindow::Band() const {
    return CaptionBandFor(width(), QFontInfo(font()).pixelSize(), CaptionLines());
}

QRect FormWindow::CaptionArea() const {
    if (!look_.captioned) {
        return {};
    }
    const int band = std::min(Band().bandPixels, height() / 2);
    return {0, height() - band, width(), band};
}

QRect FormWindow::CrossArea() const { return rect().adjusted(0, 0, 0, -CaptionArea().height()); }

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (look_.curtain) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.fillRect(rect(), ToQColor(palette_.board));
    if (screen_ != Screen::Board) {
        PaintChoices(painter, ChoicesArea(), look_.choices, palette_, font());
    }
    if (look_.captioned) {
        PaintCaptions(painter, CaptionArea(), Band(), look_, palette_, font());
    }
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (screen_ == Screen::Board) {
        MouseDown(nullptr, *event); // between the holes: only the right button means anything
        return;
    }
    if (game_ == nullptr || look_.curtain) {
        return;
    }
    const std::vector<QRect> rects = ChoiceRects(ChoicesArea(), look_.choices.size());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(event->position().toPoint())) {
            game_->KeyDown(screen_, look_.choices[i].key, 0, NoControl);
            return;
        }
    }
}

void FormWindow::Tell(ControlId id, const QString& text, bool now) {
    QWidget* control = Control(id);
    if (auto* hole = dynamic_cast<HoleControl*>(control)) {
        hole->SetTold(text);
    } else if (control != nullptr && !now) {
        control->setAccessibleName(text); // a button's own name back
    }
    if (control != nullptr && now && !text.isEmpty()) {
        SayNow(*control, text);
    }
}

// An answer, said at once: Qt 6.4 tells a screen reader that a name changed but not the new
// name, and has no announcement; what every screen reader reads at once is the object that
// takes the focus. So the focus goes to a word holder inside the control, named with the
// answer: the screen reader speaks it and the braille display shows it, until the next arrival
// takes both to the next hole. Two holders take turns, so that the same answer twice is a new
// focus too. The game's focus stays on the control, whose keys the holder's are.
void FormWindow::SayNow(QWidget& control, const QString& text) {
    auto& holders = wordHolders_[&control];
    if (holders[0] == nullptr) {
        for (QPointer<QWidget>& holder : holders) {
            holder = new QWidget(&control);
            holder->setObjectName(QStringLiteral("words"));
            holder->setFocusPolicy(Qt::NoFocus); // never in the Tab chain
            holder->setAttribute(Qt::WA_TransparentForMouseEvents);
            holder->setGeometry(0, 0, 1, 1);
            holder->installEventFilter(preview_);
            holder->show();
        }
    }
    // A screen reader takes two siblings of one role and one name for the same object, which
    // it does not read again: the second holder's name ends in a space, which nobody hears.
    const bool second = holders[0]->hasFocus();
    QWidget* holder = holders[second ? 1 : 0];
    holder->setAccessibleName(second ? text + QLatin1Char(' ') : text);
    holder->setFocus(Qt::OtherFocusReason);
}

bool FormWindow::IsWordHolder(const QObject* widget) const {
    return widget != nullptr && widget->objectName() == QLatin1String("words") &&
           IdOf(widget->parent()) != NoControl;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the game has the host destroy the window itself
    if (game_ != nullptr) {
        game_->Close(screen_);
    }
}

KeyPreview::KeyPreview(FormWindow& window) : QObject(&window), window_(window) {}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    Game* game = window_.TheGame();
    if (game == nullptr) {
        // The form was unloaded and this window only waits to be deleted: it hears nothing.
        return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    }
    const bool wordHolder = window_.IsWordHolder(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        // A word holder's keys are its control's.
        const QObject* receiver = wordHolder ? watched->parent() : watched;
        const ControlId control = receiver == &window_ ? NoControl : window_.IdOf(receiver);
        const KeyUse use =
            game->KeyDown(window_.WhichScreen(), VirtualKeyOf(key), ShiftStateOf(key), control);
        if (use == KeyUse::ForTheControl && wordHolder) {
            // The button under the words is pressed here: the key stops at the holder.
            if (auto* button = qobject_cast<QAbstractButton*>(watched->parent())) {
                button->click();
            }
            return true;
        }
        // Space on a focused button still presses it: Qt clicks it when the key comes up.
        // Every other key stops here, so an arrow never moves the focus between buttons, and
        // Tab goes where the game sends it.
        return use != KeyUse::ForTheControl;
    }
    if (watched == &window_ || wordHolder) {
        return false; // the focus coming to the words, or leaving them, is no arrival
    }
    if (event->type() == QEvent::FocusOut) {
        // The window stops being active (another program, a popup): the control keeps its focus
        // as far as the game goes, so its coming back is no arrival.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool windowLeft =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        keptFocus_ = windowLeft ? static_cast<QWidget*>(watched) : nullptr;
    } else if (event->type() == QEvent::FocusIn) {
        auto* control = static_cast<QWidget*>(watched);
        const bool cameBack = control == keptFocus_;
        keptFocus_ = nullptr;
        if (!cameBack) {
            game->GotFocus(window_.WhichScreen(), window_.IdOf(control));
        }
    }
    return false;
}

} // namespace tintineables
