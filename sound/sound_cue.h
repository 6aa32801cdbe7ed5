#pragma once
// The thirteen recorded cues. One list gives the enum, the file each cue plays, the board
// button (Command1..Command9) whose Click plays it, and whether it speaks (and so has a
// recording in each language) or is an earcon shared by all, so none of them can drift apart.
// Button 0: the cue is played in line by a screen (its Form_Load, or F2 on the board).
// This header is shared with board/: keep it free of anything but the standard library.

#include <array>
#include <cstddef>
#include <string_view>

#define TINTINEABLES_SOUND_CUES(CUE)                                                               \
    /*  member        file                button  spoken */                                        \
    CUE(Ball, "bola.wav", 1, false)                                                                \
    CUE(Empty, "vacio.wav", 2, false)                                                              \
    CUE(Place, "poner1.wav", 3, false)                                                             \
    CUE(Applause, "aplauso.wav", 4, false)                                                         \
    CUE(Edge, "borde.wav", 5, false)                                                               \
    CUE(Centre, "central.wav", 6, false)                                                           \
    CUE(Select, "seleccion.wav", 7, false)                                                         \
    CUE(Error, "error.wav", 8, false)                                                              \
    CUE(CentreBall, "bolacentral.wav", 9, false)                                                   \
    CUE(Restart, "reiniciar.wav", 0, true)                                                         \
    CUE(Presentation, "presentacion.wav", 0, true)                                                 \
    CUE(Tutorial, "tutorial.wav", 0, true)                                                         \
    CUE(Credits, "creditos.wav", 0, true)

namespace tintineables {

enum class SoundCue {
#define TINTINEABLES_CUE_MEMBER(member, file, button, spoken) member,
    TINTINEABLES_SOUND_CUES(TINTINEABLES_CUE_MEMBER)
#undef TINTINEABLES_CUE_MEMBER
};

struct SoundCueInfo {
    SoundCue cue;
    std::string_view name;
    std::string_view fileName;
    int button;  // 1..9 for Command1..Command9, 0 for a screen's own cue
    bool spoken; // words, recorded once per language; else an earcon shared by all
};

inline constexpr std::array SoundCueTable = {
#define TINTINEABLES_CUE_ROW(member, file, button, spoken)                                         \
    SoundCueInfo{SoundCue::member, #member, file, button, spoken},
    TINTINEABLES_SOUND_CUES(TINTINEABLES_CUE_ROW)
#undef TINTINEABLES_CUE_ROW
};

constexpr const SoundCueInfo& InfoOf(SoundCue cue) {
    return SoundCueTable[static_cast<std::size_t>(cue)];
}

constexpr std::string_view FileNameOf(SoundCue cue) { return InfoOf(cue).fileName; }
constexpr std::string_view NameOf(SoundCue cue) { return InfoOf(cue).name; }

} // namespace tintineables
