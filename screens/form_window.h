#pragma once
#include "game/game_host.h"
#include "game/look.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <map>
#include <utility>
#include <vector>

namespace tintineables {

class Game;
class KeyPreview;

// The top-level window of a loaded form, with its controls built as the game describes them.
// Its keys, focus arrivals, clicks and closing go to the game.
class FormWindow final : public QWidget {
public:
    FormWindow(Game& game, const FormView& view);

    Screen WhichScreen() const { return screen_; }
    // The widget of a control, or null.
    QWidget* Control(ControlId id) const;
    // The control a widget stands for, or NoControl.
    ControlId IdOf(const QObject* widget) const;
    // The form is unloaded: from now on this window, which only waits to be deleted, and its
    // controls hear nothing, and nothing here reaches the game again.
    void Detach();
    // The text mode's words as a control's name; `now`: also said at once (GameHost::Tell).
    void Tell(ControlId id, const QString& text, bool now);
    // Whether a widget holds an answer's words inside a control (its keys are the control's).
    bool IsWordHolder(const QObject* widget) const;
    Game* TheGame() const { return game_; }

    // What the form shows a sighted player: drawn at once where it changed.
    void ShowLook(const FormLook& look);
    const FormLook& Look() const { return look_; }
    const Palette& Colours() const { return palette_; }
    // A mouse button down on the window or a control of it, for the game to decide.
    void MouseDown(const QWidget* over, const QMouseEvent& event);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A click on a spoken screen's key, by a sighted helper: that key, pressed; on the board,
    // the game's (MouseDown).
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Build(const ControlView& view);
    void SayNow(QWidget& control, const QString& text);
    // The holes in their cells of the cross, Command9 in the empty corner at its bottom right.
    void PlaceControls();
    // The colours: the desktop's where the player chose high contrast, else the game's; the
    // window's own palette (Command9's) follows them.
    void TakeColours();
    // The cross or the spoken screens' buttons above, the captions' band below (none when they
    // are hidden).
    QRect ChoicesArea() const;
    int CaptionLines() const;
    CaptionBand Band() const;
    QRect CaptionArea() const;
    QRect CrossArea() const;
    ControlId FocusedControl() const;

    Game* game_;
    Screen screen_;
    KeyPreview* preview_;
    std::vector<std::pair<ControlId, QWidget*>> controls_;
    FormLook look_;
    Palette palette_ = HighContrastPalette;
    std::map<QWidget*, std::array<QPointer<QWidget>, 2>> wordHolders_; // by control
};

// The key preview: sees every key press on the window and its controls before the control
// does and hands it to the game, and tells the game of each control's arrival of the focus.
class KeyPreview final : public QObject {
public:
    explicit KeyPreview(FormWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormWindow& window_;
    // The control that held the focus when the window stopped being active. Its focus coming
    // back with the window is no GotFocus: the focus never moved within the game.
    QPointer<QWidget> keptFocus_;
};

} // namespace tintineables
