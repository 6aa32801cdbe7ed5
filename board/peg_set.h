#pragma once
// A position of the game as a set of holes, one bit a hole (bit n - 1 for hole n), for the
// solver: small enough to copy, hash and compare, and to turn and mirror with the board.
#include "board/game_state.h"
#include "board/hole_table.h"

#include <array>
#include <bit>
#include <cstdint>

namespace tintineables {

using PegSet = std::uint64_t;

inline constexpr PegSet HoleBit(int hole) { return PegSet{1} << (hole - 1); }
inline constexpr PegSet AllHoles = (PegSet{1} << HoleCount) - 1;
inline constexpr PegSet StartPosition = AllHoles & ~HoleBit(CentreHole);
inline constexpr PegSet WonPosition = HoleBit(CentreHole);

inline int PegCount(PegSet pegs) { return std::popcount(pegs); }

// The pegs of a game as the solver sees them: a peg in hand counts as back in its hole.
PegSet PegsOf(const GameState& state);

// One of the 76 jumps the cross allows: a peg on `from` over a peg on `over` into `to`.
struct PegJump {
    int from;
    int over;
    int to;
    Direction direction;
};
inline constexpr int JumpCount = 76;
const std::array<PegJump, JumpCount>& AllJumps();

inline bool CanJump(PegSet pegs, const PegJump& jump) {
    return (pegs & HoleBit(jump.from)) && (pegs & HoleBit(jump.over)) && !(pegs & HoleBit(jump.to));
}
inline PegSet AfterJump(PegSet pegs, const PegJump& jump) {
    return pegs ^ (HoleBit(jump.from) | HoleBit(jump.over) | HoleBit(jump.to));
}

// The least of the eight images of a position under the board's turns and mirrors: positions
// that differ only by those share it, and so are won or lost alike.
PegSet Canonical(PegSet pegs);

} // namespace tintineables
