// The table of winnable positions as the build laid it into the program (winnable_table_data.S).
#include "board/winnable_table.h"

extern "C" const unsigned char tintineables_winnable_table[];
extern "C" const unsigned char tintineables_winnable_table_end[];

namespace tintineables {

std::span<const unsigned char> WinnableTableBytes() {
    return {tintineables_winnable_table, tintineables_winnable_table_end};
}

} // namespace tintineables
