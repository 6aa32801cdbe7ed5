#include "board/winnable_table.h"

#include "board/winnable_table_format.h"
#include "sound/run_time_error.h"

#include <cstring>

namespace tintineables {

namespace {

std::uint64_t ReadLittleEndian(const unsigned char* at, std::size_t bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        value |= std::uint64_t{at[i]} << (8 * i);
    }
    return value;
}

// The table, checked once: a table that does not add up is a fault of the build, reported as
// one, never a wrong answer.
class WinnableTable {
public:
    WinnableTable() {
        const std::span<const unsigned char> bytes = WinnableTableBytes();
        const unsigned char* data = bytes.data();
        const std::size_t size = bytes.size();
        if (size < WinnableTableHeaderBytes ||
            std::memcmp(data, WinnableTableMagic, sizeof WinnableTableMagic) != 0) {
            throw RunTimeError("The table of winnable positions is damaged");
        }
        std::size_t offset = WinnableTableHeaderBytes;
        for (std::size_t level = 0; level < WinnableTableLevels; ++level) {
            const std::size_t count = ReadLittleEndian(data + 8 + 4 * level, 4);
            levels_[level] = {data + offset, count};
            offset += count * WinnableTableKeyBytes;
        }
        if (offset != size) {
            throw RunTimeError("The table of winnable positions is damaged");
        }
    }

    bool Holds(int pegs, PegSet canonical) const {
        const Level& level = levels_[static_cast<std::size_t>(pegs - WinnableTableFewestPegs)];
        std::size_t low = 0;
        std::size_t high = level.count;
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            const PegSet key = ReadLittleEndian(level.keys + middle * WinnableTableKeyBytes,
                                                WinnableTableKeyBytes);
            if (key == canonical) {
                return true;
            }
            if (key < canonical) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return false;
    }

private:
    struct Level {
        const unsigned char* keys = nullptr;
        std::size_t count = 0;
    };
    std::array<Level, WinnableTableLevels> levels_{};
};

} // namespace

bool OnAWinningPath(PegSet pegs) {
    static const WinnableTable table;
    const int count = PegCount(pegs);
    if (count >= WinnableTableFewestPegs && count <= WinnableTableMostPegs) {
        return table.Holds(count, Canonical(pegs));
    }
    if (count >= 1 && count < WinnableTableFewestPegs) {
        return table.Holds(HoleCount - count, Canonical(AllHoles & ~pegs));
    }
    return false;
}

} // namespace tintineables
