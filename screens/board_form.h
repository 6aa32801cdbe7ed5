#pragma once
#include "board/game_state.h"
#include "board/hole_table.h"
#include "screens/form.h"
#include "sound/sound_cue.h"

#include <QPushButton>

#include <array>

namespace tintineables {

// The board, Form1 "TABLERO": 33 holes Picture1..Picture33 that hold the focus and draw
// nothing, nine sound buttons Command1..Command9 (only Command9 visible) and MMControl1.
// Every hole runs the same two procedures, driven by the hole table.
class BoardForm final : public Form {
public:
    explicit BoardForm(FormHost& host);

    void Form_Load() override;
    void Form_KeyDown(KeyCode keyCode, std::int16_t shift) override;
    // Command1_Click..Command9_Click: each plays its button's cue on the board's player.
    void Command_Click(int button);

    QWidget* FirstFocus() const override;
    QWidget* Picture(int hole) const;
    const GameState& State() const { return state_; }

protected:
    void BuildControls(QWidget& window) override;
    void ForgetControls() override;
    void Control_KeyDown(QWidget& control, KeyCode keyCode, std::int16_t shift) override;
    void Control_GotFocus(QWidget& control) override;

private:
    void Play(SoundCue cue);
    static int HoleOf(const QWidget& control);

    GameState state_;
    std::array<QWidget*, HoleCount> pictures_{};
};

} // namespace tintineables
