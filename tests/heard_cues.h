#pragma once
// What the player must hear, written out by hand from the game's sound design: each cue, the
// file the game must open for it and, for the board's nine, the button whose Click plays it.
// Never derived from the game's own cue table, so a cue given the wrong file in the game is
// heard here as the wrong cue.
#include "sound/sound_cue.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintineables::testing {

struct HeardCue {
    SoundCue cue;
    std::string_view file;
    int button; // Command1..Command9; 0 for a screen's own cue
};

inline constexpr HeardCue HeardCues[] = {
    {SoundCue::Ball, "bola.wav", 1},
    {SoundCue::Empty, "vacio.wav", 2},
    {SoundCue::Place, "poner1.wav", 3},
    {SoundCue::Applause, "aplauso.wav", 4},
    {SoundCue::Edge, "borde.wav", 5},
    {SoundCue::Centre, "central.wav", 6},
    {SoundCue::Select, "seleccion.wav", 7},
    {SoundCue::Error, "error.wav", 8},
    {SoundCue::CentreBall, "bolacentral.wav", 9},
    {SoundCue::Restart, "reiniciar.wav", 0},
    {SoundCue::Presentation, "presentacion.wav", 0},
    {SoundCue::Tutorial, "tutorial.wav", 0},
    {SoundCue::Credits, "creditos.wav", 0},
};

// The file the player hears for a cue, by the table above.
constexpr std::string_view HeardFile(SoundCue cue) {
    for (const HeardCue& row : HeardCues) {
        if (row.cue == cue) {
            return row.file;
        }
    }
    return "(no file)";
}

// The cues of files a sound player was told to play, each known by the table above; a file
// that is none of them fails the test.
std::vector<SoundCue> CuesOfFiles(const std::vector<std::string>& files);

} // namespace tintineables::testing
