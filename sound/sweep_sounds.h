#pragma once
// The short sounds a sweep of the board is made of: one per row for a peg and one for an empty
// hole, each row a whole tone above the row below, and the centre's pair with its high bell, as
// its arrival cues have. Earcons shared by every language.
// This header is shared with the page: keep it free of anything but the standard library.
#include <array>
#include <string_view>

namespace tintineables {

inline constexpr std::array<std::string_view, 7> SweepPegFiles = {
    "barrido_f1_bola.wav", "barrido_f2_bola.wav", "barrido_f3_bola.wav", "barrido_f4_bola.wav",
    "barrido_f5_bola.wav", "barrido_f6_bola.wav", "barrido_f7_bola.wav"};
inline constexpr std::array<std::string_view, 7> SweepEmptyFiles = {
    "barrido_f1_vacio.wav", "barrido_f2_vacio.wav", "barrido_f3_vacio.wav", "barrido_f4_vacio.wav",
    "barrido_f5_vacio.wav", "barrido_f6_vacio.wav", "barrido_f7_vacio.wav"};
inline constexpr std::string_view SweepCentrePegFile = "barrido_centro_bola.wav";
inline constexpr std::string_view SweepCentreEmptyFile = "barrido_centro_vacio.wav";

// A hole's sound in a sweep: row 1..7 from the bottom.
constexpr std::string_view SweepFileOf(int row, bool peg, bool centre) {
    if (centre) {
        return peg ? SweepCentrePegFile : SweepCentreEmptyFile;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    return peg ? SweepPegFiles[index] : SweepEmptyFiles[index];
}

} // namespace tintineables
