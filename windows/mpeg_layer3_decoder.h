#pragma once
// The Windows edition's recordings are MPEG layer 3 in wave files, to keep its zip small; Windows
// decodes them with its own codec (ACM), present on every version the game runs on.
#include "sound/recordings.h"

#include <cstdint>
#include <vector>

namespace tintineables {

// The recording's 16-bit samples, interleaved, exactly as many frames as it was made with and
// starting where its sound starts: the encoder's and the decoder's delay are cut off.
// StartupError naming the file when Windows cannot decode it.
std::vector<std::int16_t> DecodeMpegLayer3(const Recording& recording);

} // namespace tintineables
