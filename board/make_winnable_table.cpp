// Run at build time: works out every position of 17 pegs or more that lies on a path from the
// start to the win, and writes them in the layout of winnable_table_format.h.
//   make_winnable_table OUTPUT
// Forward from the start, level by level, down to 17 pegs (6.3 million positions up to the turns
// and mirrors of the board); a position of 17 is winnable when one of its jumps leads to one of
// 16 that can still end in the centre, that is, whose complement is reachable from the start.
// From there back up: a position is winnable when one of its jumps leads to a winnable one.
#include "board/peg_set.h"
#include "board/winnable_table_format.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>

using namespace tintineables;

namespace {

using Level = std::vector<PegSet>; // canonical positions, ascending

Level Sorted(Level positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.shrink_to_fit();
    return positions;
}

bool Contains(const Level& level, PegSet canonical) {
    return std::binary_search(level.begin(), level.end(), canonical);
}

// Splits `positions` among the machine's cores; each part's results are kept in order of the
// parts, so the output does not depend on the number of cores.
template <class Work> Level EachInParallel(const Level& positions, Work work) {
    const std::size_t parts = std::max(1u, std::thread::hardware_concurrency());
    std::vector<Level> results(parts);
    std::vector<std::thread> threads;
    for (std::size_t part = 0; part < parts; ++part) {
        threads.emplace_back([&, part] {
            const std::size_t begin = positions.size() * part / parts;
            const std::size_t end = positions.size() * (part + 1) / parts;
            for (std::size_t i = begin; i < end; ++i) {
                work(positions[i], results[part]);
            }
        });
    }
    Level all;
    for (std::size_t part = 0; part < parts; ++part) {
        threads[part].join();
        all.insert(all.end(), results[part].begin(), results[part].end());
    }
    return all;
}

// Whether some jump from `pegs` leads to a position that `leadsOn` accepts.
template <class Accept> bool SomeJumpLeads(PegSet pegs, Accept leadsOn) {
    for (const PegJump& jump : AllJumps()) {
        if (CanJump(pegs, jump) && leadsOn(AfterJump(pegs, jump))) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_winnable_table OUTPUT\n");
        return 2;
    }
    constexpr int Fewest = WinnableTableFewestPegs;
    constexpr int Most = WinnableTableMostPegs;

    std::vector<Level> reachable(Most + 1);
    reachable[Most] = {Canonical(StartPosition)};
    for (int pegs = Most; pegs > Fewest; --pegs) {
        reachable[static_cast<std::size_t>(pegs - 1)] = Sorted(EachInParallel(
            reachable[static_cast<std::size_t>(pegs)], [](PegSet position, Level& next) {
                for (const PegJump& jump : AllJumps()) {
                    if (CanJump(position, jump)) {
                        next.push_back(Canonical(AfterJump(position, jump)));
                    }
                }
            }));
    }

    std::vector<Level> winnable(Most + 1);
    const Level& middle = reachable[Fewest];
    winnable[Fewest] = EachInParallel(middle, [&](PegSet position, Level& kept) {
        if (SomeJumpLeads(position, [&](PegSet after) {
                return Contains(middle, Canonical(AllHoles & ~after));
            })) {
            kept.push_back(position);
        }
    });
    for (int pegs = Fewest + 1; pegs <= Most; ++pegs) {
        const Level& below = winnable[static_cast<std::size_t>(pegs - 1)];
        winnable[static_cast<std::size_t>(pegs)] = EachInParallel(
            reachable[static_cast<std::size_t>(pegs)], [&](PegSet position, Level& kept) {
                if (SomeJumpLeads(position, [&](PegSet after) {
                        return Contains(below, Canonical(after));
                    })) {
                    kept.push_back(position);
                }
            });
    }

    std::vector<char> bytes(WinnableTableMagic, WinnableTableMagic + 8);
    auto put = [&](std::uint64_t value, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
        }
    };
    std::size_t total = 0;
    for (int pegs = Fewest; pegs <= Most; ++pegs) {
        put(winnable[static_cast<std::size_t>(pegs)].size(), 4);
        total += winnable[static_cast<std::size_t>(pegs)].size();
    }
    for (int pegs = Fewest; pegs <= Most; ++pegs) {
        for (PegSet position : winnable[static_cast<std::size_t>(pegs)]) {
            put(position, WinnableTableKeyBytes);
        }
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "make_winnable_table: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%zu winnable positions of %d to %d pegs, up to the board's turns and mirrors\n",
                total, Fewest, Most);
    return 0;
}
