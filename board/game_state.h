#pragma once
#include "board/grid.h"

#include <array>
#include <cstdint>

namespace tintineables {

// Flags hold -1 for true and 0 for false, and are compared with exactly those values.
inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

// A legal jump of this game, as taking it back needs it: where the peg came from, the peg it
// jumped over, where it landed, and the move counter before it.
struct JumpRecord {
    std::int16_t fromX, fromY;
    std::int16_t overX, overY;
    std::int16_t toX, toY;
    std::uint8_t moveCountBefore;
};

// A game of 32 pegs ends after 31 jumps at most.
inline constexpr int MaxJumps = 31;

// The whole state of one game, owned by the board screen. Everything is zero when created.
struct GameState {
    Grid Board;
    std::int16_t CurX = 0; // the hole that last received the focus
    std::int16_t CurY = 0;
    std::int16_t Holding = 0; // a peg is in hand
    std::int16_t FromX = 0;   // where the peg in hand (or the last peg) was picked up
    std::int16_t FromY = 0;
    std::int16_t JumpOk = 0; // the current hole is two holes from (FromX, FromY) in a line
    std::int16_t StepX = 0;  // offset from the current hole to the hole a drop jumps over
    std::int16_t StepY = 0;
    std::uint8_t MoveCount = 0; // 1 at a new game, +1 per jump except the winning one

    // The legal jumps of this game, oldest first, for undo; a new game forgets them.
    std::array<JumpRecord, MaxJumps> Jumps{};
    int JumpsMade = 0;
};

} // namespace tintineables
