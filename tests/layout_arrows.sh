#!/usr/bin/env bash
# The rooms depend downwards only: app -> screens (the desktop host), or web (the page's host),
# or windows (the Windows host),
# -> game (what the screens decide) -> board (the rules) -> sound. Every quoted include of the
# project's own code must point at its own room or one below; the rules (board/) see nothing of
# sound/ but the cue enum and the error type, and neither the rules nor the game see a toolkit
# or a window system at all: only the standard library, and of sound/ only what plays no sound.
#   layout_arrows.sh SOURCE_FOLDER
set -uo pipefail
cd "$1"
failures=0
# check ROOM ALLOWED-QUOTED-INCLUDE-PATTERN [ALLOWED-ANGLE-INCLUDE-PATTERN]
check() {
    local room=$1 quoted=$2 angle=${3:-.}
    local bad
    bad=$(grep -H -n -E '^\s*#\s*include' "$room"/*.h "$room"/*.cpp |
          grep -v -E "#\s*include\s+\"($quoted)" |
          grep -v -E "#\s*include\s+<($angle)" || true)
    if [ -n "$bad" ]; then
        echo "FAIL: $room/ includes what lies above it or outside its reach:"
        echo "$bad" | sed 's/^/     /'
        failures=$((failures + 1))
    else
        echo "ok   $room/"
    fi
}
check sound 'sound/' '[A-Za-z_0-9/]+(\.h)?>'
check board 'board/|sound/sound_cue\.h"|sound/run_time_error\.h"' '[a-z_]+>'
check game 'game/|board/|sound/(sound_cue|sound_player|play_cue|phrases|spoken_words|sweep_sounds|joined_parts|sound_settings|language|run_time_error)\.h"' '[a-z_]+>'
check screens 'screens/|game/|board/|sound/' '[A-Za-z_0-9/]+(\.h)?>'
# The Windows host beside the desktop's: the game, the rules, sound/ and the Windows API alone.
check windows 'windows/|game/|board/|sound/' '[A-Za-z_0-9/]+(\.h)?>'
if grep -n -E '#\s*include\s+<(Q|SDL)' windows/*.h windows/*.cpp; then
    echo "FAIL: windows/ includes Qt or SDL, which Windows does not have here"
    failures=$((failures + 1))
fi
# The page's C++ beside the game: what the game decides, the cue tables, and emscripten's headers.
check web 'web/|game/|board/|sound/(sound_cue|sound_player|command_sound_player|joined_parts|recording_files|sound_settings|time_stretch|language|run_time_error)\.h"' '[a-z_]+>|emscripten/'
# sound/ must not reach up for Qt either: it is the layer under the toolkit.
if grep -n -E '#\s*include\s+<Q' sound/*.h sound/*.cpp; then
    echo "FAIL: sound/ includes Qt"
    failures=$((failures + 1))
fi
[ "$failures" = 0 ]
