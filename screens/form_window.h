#pragma once
#include "game/game_host.h"

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Build(const ControlView& view);
    void SayNow(QWidget& control, const QString& text);

    Game* game_;
    Screen screen_;
    KeyPreview* preview_;
    std::vector<std::pair<ControlId, QWidget*>> controls_;
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
