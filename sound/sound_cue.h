#pragma once
// The thirteen recorded cues. One list gives the enum, the file each cue plays and the
// board button (Command1..Command9) whose Click plays it, so the three cannot drift apart.
// Button 0: the cue is played in line by a screen (its Form_Load, or F2 on the board).
// This header is shared with board/: keep it free of anything but the standard library.

#include <array>
#include <cstddef>
#include <string_view>

#define TINTINEABLES_SOUND_CUES(CUE)                                                               \
    /*  member        file                button */                                                \
    CUE(Ball, "bola.wav", 1)                                                                       \
    CUE(Empty, "vacio.wav", 2)                                                                     \
    CUE(Place, "poner1.wav", 3)                                                                    \
    CUE(Applause, "aplauso.wav", 4)                                                                \
    CUE(Edge, "borde.wav", 5)                                                                      \
    CUE(Centre, "central.wav", 6)                                                                  \
    CUE(Select, "seleccion.wav", 7)                                                                \
    CUE(Error, "error.wav", 8)                                                                     \
    CUE(CentreBall, "bolacentral.wav", 9)                                                          \
    CUE(Restart, "reiniciar.wav", 0)                                                               \
    CUE(Presentation, "presentacion.wav", 0)                                                       \
    CUE(Tutorial, "tutorial.wav", 0)                                                               \
    CUE(Credits, "creditos.wav", 0)

namespace tintineables {

enum class SoundCue {
#define TINTINEABLES_CUE_MEMBER(member, file, button) member,
    TINTINEABLES_SOUND_CUES(TINTINEABLES_CUE_MEMBER)
#undef TINTINEABLES_CUE_MEMBER
};

struct SoundCueInfo {
    SoundCue cue;
    std::string_view name;
    std::string_view fileName;
    int button; // 1..9 for Command1..Command9, 0 for a screen's own cue
};

inline constexpr std::array SoundCueTable = {
#define TINTINEABLES_CUE_ROW(member, file, button)                                                 \
    SoundCueInfo{SoundCue::member, #member, file, button},
    TINTINEABLES_SOUND_CUES(TINTINEABLES_CUE_ROW)
#undef TINTINEABLES_CUE_ROW
};

constexpr const SoundCueInfo& InfoOf(SoundCue cue) {
    return SoundCueTable[static_cast<std::size_t>(cue)];
}

constexpr std::string_view FileNameOf(SoundCue cue) { return InfoOf(cue).fileName; }
constexpr std::string_view NameOf(SoundCue cue) { return InfoOf(cue).name; }

} // namespace tintineables
