#pragma once
#include "board/game_state.h"
#include "board/puzzles.h"
#include "board/solver_question.h"
#include "game/board_sweep.h"
#include "game/board_words.h"
#include "game/form.h"
#include "sound/sound_cue.h"
#include "sound/spoken_words.h"

#include <array>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <vector>

namespace tintineables {

// The board, Form1 "TABLERO": 33 holes Picture1..Picture33 that hold the focus and draw
// nothing, nine sound buttons Command1..Command9 (only Command9 visible) and MMControl1.
// Every hole runs the same two procedures, driven by the hole table.
//
// Beside the keys of the game, the board answers questions, on a hole or on Command9:
// Backspace takes back the last jump, B says how many pegs are left, P where the cursor is,
// G whether the game can still be won, and A moves the cursor to a peg whose jump keeps it
// winnable and says which way. G and A are worked out by the host's solver, which may answer
// later; an answer is dropped when the game changes first (a jump, undo, F2, leaving the board)
// or a newer question is asked.
//
// Opened on the puzzles (F4), the board holds a puzzle instead of the game: its name or size is
// said after the first arrival, F2 starts it again, Page Down and Page Up go to the next and the
// previous puzzle. Everything else plays as the game does.
//
// T switches the text mode: everything the board says by sound it then also says in words,
// after the cue, to the host's screen reader and braille display (GameHost::Tell).
//
// At a glance (board_glance.cpp): F, C and V sweep the cursor's row, its column and the whole
// cross by ear, each a run of short sounds that any key cuts; S says the jumps from the cursor's
// hole (with a peg in hand, where it can land), Shift+S or S on Command9 how many jumps the
// board has; E places the arrivals in stereo, or as recorded again.
//
// F8 says the last spoken answer again (B, P, G, A, a puzzle's name, the text mode's switch, and
// in the text mode a refusal's words too); F8 again at once, the one before it, back through the
// last five.
class BoardForm final : public Form {
public:
    explicit BoardForm(Game& game);

    void Form_Load() override;
    void Form_KeyDown(KeyCode keyCode, std::int16_t shift) override;
    void ControlClicked(ControlId control) override;
    // Command1_Click..Command9_Click: each plays its button's cue on the board's player.
    void Command_Click(int button);
    // The solver's answer to a question of this board.
    void Answered(const SolverAnswer& answer);

    // Under touch: every hole named by its state and place, as it now stands, for a phone's
    // screen reader to find by touch; only the names that changed are told again.
    void NameHolesForTouch();

    ControlId FirstFocus() const override { return PictureControl(1); }
    // Any key on the board cuts a sweep short.
    void KeyArrives() override { CutSweep(); }
    // The cross as it stands: each hole's peg, the hole the peg in hand was lifted from, the
    // cursor.
    FormLook Look() const override;
    const GameState& State() const { return state_; }

protected:
    void Repeat() override;
    void Answer(SoundCue cue, const std::string& text) override;
    void Answer(const std::vector<SpokenWord>& words, const std::string& text) override;
    std::vector<ControlView> Controls() const override;
    void ForgetControls() override;
    void Control_KeyDown(ControlId control, KeyCode keyCode, std::int16_t shift) override;
    void Control_GotFocus(ControlId control) override;

private:
    void Play(SoundCue cue);
    void Say(const std::vector<SpokenWord>& words);
    // A sound, then words after it, as one sound on the board's player; an arrival's sound
    // (`arrival` its hole, else NoHole) placed as every arrival is.
    void PlayThenSay(SoundCue cue, const std::vector<SpokenWord>& words, int arrival);
    // The focus goes to a hole, which announces itself, also when it is there already.
    void SendFocusTo(int hole);

    // The text mode: its switch, an answer's words for the control with the focus, and an
    // arrival's words (or, out of the mode, the control's own name back).
    void SwitchTextMode();
    void Tell(const std::string& text);
    void TellArrival(ControlId control, int hole);
    std::string NameOutOfTextMode(ControlId control) const;

    // An answer heard, for F8: the files it played (words, or a refusal's earcon) and its words.
    void Remember(const std::vector<SpokenWord>& words, const std::string& text);
    void Remember(std::vector<std::string> files, const std::string& text, bool sweep = false);

    // The captions (board_captions.cpp): the last words the board said, for whoever sees the
    // screen, and its status line; L shows or hides both.
    void Caption(const std::string& text);
    bool AnswerCaptionKey(KeyCode keyCode);
    std::string StatusLine() const;

    bool AnswerHelpKey(ControlId control, KeyCode keyCode);
    bool AnswerGlanceKey(ControlId control, KeyCode keyCode, std::int16_t shift);
    void PlaySweep(SweepKind kind);
    void CutSweep();
    void SayJumpsFrom(int hole);
    void SayJumpCount();
    std::string ArrivalPart(SoundCue cue, int hole) const;
    // "salta hacia arriba": a hint's way, or a jump S names.
    static SpokenWord DirectionWord(Direction direction);
    void SetUpTheBoard();
    void ChangePuzzle(KeyCode keyCode);
    std::vector<SpokenWord> PuzzleName() const;
    std::string PuzzleText() const;
    void TakeBack();
    void Ask(SolverQuestion::Kind kind);
    void ForgetQuestion();

    GameState state_;
    // The puzzle on the board, kept as made (number 0: the game itself, from the full cross).
    Puzzle puzzle_{0, StartPosition, std::nullopt};
    // Said after the next arrival's cue: the direction of a hint's jump, a puzzle's name.
    std::vector<SpokenWord> afterArrival_;
    std::string afterArrivalText_; // the same, in words
    BoardWords words_;
    std::string caption_; // the board's last words, shown under the cross
    // The controls whose name the text mode changed, to be given their own back out of it.
    std::set<ControlId> told_;
    bool arrivalWithoutFocusEvent_ = false; // the focus was on the hole already
    // Under touch, the name each hole was last given (PictureControl order).
    std::array<std::string, HoleCount> touchNames_;
    std::uint64_t questionId_ = 0; // the question whose answer is awaited
    struct Remembered {
        std::vector<std::string> files;
        std::string text;
        bool sweep = false; // a sweep, which the next key cuts
    };
    bool sweeping_ = false;          // the last sound on the board's player was a sweep
    std::deque<Remembered> answers_; // the newest first, five at most
};

} // namespace tintineables
