#!/usr/bin/env bash
# The real executable refuses to start, with one clear line per cause and exit status 1,
# before any window opens: bad recordings, no audio device, no display.
#   start_up_refusals.sh GAME
set -uo pipefail
game=$1
sounds=$(dirname "$game")/sounds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
own_session "$work"
failures=0

# A copy of the game with its own sounds/ and translations/ folders, so one file can be broken.
fresh_copy() {
    rm -rf "$work/game"
    mkdir -p "$work/game"
    cp "$game" "$work/game/tintineables"
    cp -r "$sounds" "$work/game/sounds"
    cp -r "$(dirname "$game")/translations" "$work/game/translations"
}

# expect NAME STATUS PATTERN... -- COMMAND...: runs COMMAND, checks its status and that every
# PATTERN is on its stderr.
expect() {
    local name=$1 want=$2
    shift 2
    local patterns=()
    while [ "$1" != "--" ]; do patterns+=("$1"); shift; done
    shift
    local status=0
    (cd "$work" && timeout 20 "$@") > "$work/stdout" 2> "$work/stderr" || status=$?
    local ok=1
    [ "$status" = "$want" ] || ok=0
    for p in "${patterns[@]}"; do
        grep -q -- "$p" "$work/stderr" || ok=0
    done
    if [ $ok = 1 ]; then
        echo "ok   $name"
    else
        echo "FAIL $name: status $status (want $want); stderr:"
        sed 's/^/     /' "$work/stderr"
        failures=$((failures + 1))
    fi
}

headless=(env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy)

fresh_copy
rm "$work/game/sounds/bola.wav"
expect "missing recording" 1 "bola.wav: missing" "Folders searched.*$work/game/sounds" -- \
    "${headless[@]}" "$work/game/tintineables"

fresh_copy
: > "$work/game/sounds/vacio.wav"
expect "empty recording" 1 "sounds/vacio.wav: empty file" -- "${headless[@]}" "$work/game/tintineables"

fresh_copy
head -c 30 "$sounds/poner1.wav" > "$work/game/sounds/poner1.wav"
expect "recording cut inside its header" 1 "poner1.wav: truncated inside the wave header" -- \
    "${headless[@]}" "$work/game/tintineables"

fresh_copy
head -c 5000 "$sounds/aplauso.wav" > "$work/game/sounds/aplauso.wav"
expect "recording cut inside its data" 1 "aplauso.wav: truncated: the data chunk declares" -- \
    "${headless[@]}" "$work/game/tintineables"

fresh_copy
echo "not a sound at all" > "$work/game/sounds/borde.wav"
expect "text file named .wav" 1 "borde.wav: not a wave file" -- "${headless[@]}" "$work/game/tintineables"

fresh_copy
rm "$work/game/sounds/central.wav" && mkdir "$work/game/sounds/central.wav"
expect "folder named like a recording" 1 "central.wav: is a folder" -- \
    "${headless[@]}" "$work/game/tintineables"

fresh_copy
truncate -s 200M "$work/game/sounds/tutorial.wav"
expect "huge recording" 1 "tutorial.wav: too large: 200 MiB, the limit for a recording is 32 MiB" -- \
    "${headless[@]}" "$work/game/tintineables"

# Unreadable: root reads any file, so as root the game is run as the user nobody.
fresh_copy
chmod 000 "$work/game/sounds/seleccion.wav"
chmod 755 "$work" "$work/game"
as_player=()
[ "$(id -u)" = 0 ] && as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
expect "unreadable recording" 1 "seleccion.wav: cannot be read: Permission denied" -- \
    "${as_player[@]}" "${headless[@]}" "$work/game/tintineables"

fresh_copy
rm "$work/game/sounds/error.wav" "$work/game/sounds/creditos.wav"
expect "two missing recordings, one line each" 1 "error.wav: missing" "creditos.wav: missing" -- \
    "${headless[@]}" "$work/game/tintineables"

# English: its own spoken recordings must be there, and the translation of the captions.
fresh_copy
rm "$work/game/sounds/en/tutorial.wav"
expect "missing English recording" 1 "en/tutorial.wav: missing" "Language: English" \
    "LANGUAGE=es plays the Spanish recordings" -- \
    "${headless[@]}" LANGUAGE=en "$work/game/tintineables"
rm "$work/game/translations/tintineables_en.qm"
expect "missing English translation" 1 "tintineables_en.qm: missing" -- \
    "${headless[@]}" LANGUAGE=en "$work/game/tintineables"

# The player's own sound from the command line: a value it has no setting for, an option missing
# its value, and a misspelt option, each named, before any window (no display is needed to be
# told).
expect "a speech rate the game has not" 1 '--speech-rate takes 1, 1.25, 1.5, 1.75, 2, 2.25, 2.5 .*not "3"' -- \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --speech-rate 3
expect "a volume above the recordings' own" 1 '--cue-volume takes 0, -3, -6 ... -30 .*not "6"' -- \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --speech-rate=2 --cue-volume=6
expect "a volume with no value" 1 "--speech-volume takes .*it was given nothing" -- \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --speech-volume
expect "a misspelt option" 1 'no option "--speech-rat"' -- \
    "${headless[@]}" "$game" --speech-rat 2

expect "no audio device" 1 "No audio device could be opened" "SDL_AUDIODRIVER selects" -- \
    env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=no-such-driver "$game"

expect "no display named" 1 "No display" -- \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$game"

expect "a display that cannot be reached" 1 "cannot open a window" -- \
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97 SDL_AUDIODRIVER=dummy "$game"

echo "$failures failed"
[ "$failures" = 0 ]
