#pragma once
// The board in words, for the text mode: what a screen reader speaks and a braille display shows
// beside the cues. Each text is written here in Spanish, the game's own language, and comes out
// in the game's language through the host's translations; numbers stay digits, which a braille
// display shows in a cell or two.
#include "board/game_state.h"
#include "board/hole_table.h"
#include "board/moves.h"
#include "board/puzzles.h"
#include "board/solver.h"
#include "game/board_sweep.h"
#include "sound/sound_cue.h"

#include <optional>
#include <string>
#include <vector>

namespace tintineables {

class GameHost;

class BoardWords {
public:
    explicit BoardWords(GameHost& host) : host_(host) {}

    // An arrival on a hole: its state, then its place ("bola, fila 3, columna 5"); the centre
    // says so ("centro, vacío").
    std::string Arrival(const GameState& state, int hole) const;
    // What a cue of a key on a hole told: the edge, a pick-up, a jump, the win, a refusal and
    // why ("error: vacío"). Empty for a cue that is an arrival's.
    std::string OfCue(SoundCue cue, Refusal refusal) const;
    // Backspace: a peg put back, or nothing to take back ("" when a jump was taken back: its
    // arrival says the rest, with TakenBack after it).
    std::string TakenBack() const;
    std::string NothingToTakeBack() const;
    std::string PegInHandPutBack() const;
    // B, P and G, as the sentences they speak.
    std::string PegsLeft(int pegs) const;
    std::string Position(int hole) const;
    std::string Outlook(tintineables::Outlook outlook) const;
    std::string HintDirection(Direction direction) const;
    // F2, and the puzzles' names; past the first or the last puzzle.
    std::string NewGame() const;
    std::string PuzzleName(std::optional<ClassicPuzzle> classic, int pegs) const;
    std::string NoMorePuzzles() const;
    // T.
    std::string TextMode(bool on) const;
    // F, C and V: each row or column swept, in runs as a braille line can show them ("fila 4: 2
    // bolas, vacío, 4 bolas"), in the order the sweep plays them.
    std::string Sweep(const GameState& state, int cursorHole, SweepKind kind) const;
    // S: the ways the peg can jump ("salta hacia arriba, salta hacia la izquierda"), the places
    // the peg in hand can land, or "ningún salto"; Shift+S: the board's jumps.
    std::string Jumps(const std::vector<Direction>& ways) const;
    std::string Landings(const std::vector<int>& holes) const;
    std::string JumpCount(int jumps) const;
    // E.
    std::string Stereo(bool on) const;
    // L: the captions shown or hidden; the status line under them ("Cruz · bolas: 6 · saltos:
    // 0"), the puzzle's name first where one is played.
    std::string Captions(bool shown) const;
    std::string Status(int pegs, int jumps, const std::string& puzzle) const;
    // F8 with nothing (more) to say again.
    std::string NothingToRepeat() const;
    // Two texts said one after the other ("bola, fila 1, columna 3. Cruz").
    static std::string Then(const std::string& first, const std::string& second);

private:
    std::string Say(const char* text) const;

    GameHost& host_;
};

} // namespace tintineables
