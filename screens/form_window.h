#pragma once
#include "game/game_host.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

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
    Game* TheGame() const { return game_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Build(const ControlView& view);

    Game* game_;
    Screen screen_;
    KeyPreview* preview_;
    std::vector<std::pair<ControlId, QWidget*>> controls_;
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
