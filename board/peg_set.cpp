#include "board/peg_set.h"

namespace tintineables {

namespace {

// Two steps the same way through the hole map: a neighbour, and its neighbour beyond.
std::array<PegJump, JumpCount> MakeJumps() {
    std::array<PegJump, JumpCount> jumps{};
    std::size_t count = 0;
    for (const Hole& hole : HoleTable) {
        for (std::size_t d = 0; d < hole.neighbour.size(); ++d) {
            const int over = hole.neighbour[d];
            const int to = over == NoHole ? NoHole : HoleByNumber(over).neighbour[d];
            if (to != NoHole) {
                jumps.at(count++) = {hole.number, over, to, static_cast<Direction>(d)};
            }
        }
    }
    return jumps;
}

// The eight turns and mirrors of the cross about its centre, each as a table that maps one
// byte of a position at a time: five look-ups and an OR give an image.
struct Symmetries {
    std::array<std::array<std::array<PegSet, 256>, 5>, 8> byByte{};

    Symmetries() {
        for (int s = 0; s < 8; ++s) {
            std::array<int, HoleCount> image{};
            for (const Hole& hole : HoleTable) {
                const int x = hole.x - 4;
                const int y = hole.y - 4;
                const int tx = (s & 4) ? y : x; // mirror in the diagonal,
                const int ty = (s & 4) ? x : y;
                const int mx = (s & 1) ? -tx : tx; // then across either axis
                const int my = (s & 2) ? -ty : ty;
                image[static_cast<std::size_t>(hole.number - 1)] = HoleNumberAt(mx + 4, my + 4);
            }
            for (int k = 0; k < 5; ++k) {
                for (int value = 0; value < 256; ++value) {
                    PegSet mapped = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        const int index = 8 * k + bit;
                        if ((value >> bit & 1) && index < HoleCount) {
                            mapped |= HoleBit(image[static_cast<std::size_t>(index)]);
                        }
                    }
                    byByte[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)]
                          [static_cast<std::size_t>(value)] = mapped;
                }
            }
        }
    }
};

const Symmetries& TheSymmetries() {
    static const Symmetries symmetries;
    return symmetries;
}

} // namespace

PegSet PegsOf(const GameState& state) {
    PegSet pegs = 0;
    for (const Hole& hole : HoleTable) {
        if (state.Board.At(hole.x, hole.y) == Peg) {
            pegs |= HoleBit(hole.number);
        }
    }
    if (state.Holding == True) {
        pegs |= HoleBit(HoleNumberAt(state.FromX, state.FromY));
    }
    return pegs;
}

const std::array<PegJump, JumpCount>& AllJumps() {
    static const std::array<PegJump, JumpCount> jumps = MakeJumps();
    return jumps;
}

PegSet Canonical(PegSet pegs) {
    const Symmetries& symmetries = TheSymmetries();
    PegSet least = ~PegSet{0};
    for (const auto& byByte : symmetries.byByte) {
        PegSet image = 0;
        for (std::size_t k = 0; k < 5; ++k) {
            image |= byByte[k][(pegs >> (8 * k)) & 0xFF];
        }
        least = image < least ? image : least;
    }
    return least;
}

} // namespace tintineables
