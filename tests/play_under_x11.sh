#!/usr/bin/env bash
# Plays the real game as a person would: a real X server (Xvfb), real key presses through
# XTest (xdotool), and the sound it made read back from SDL's disk audio driver.
#   play_under_x11.sh GAME AUDIO_FIND
set -euo pipefail
game=$1
audio_find=$2
sounds=$(dirname "$game")/sounds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
own_session "$work"

cat > "$work/session.sh" <<SESSION
set -u
. "$(dirname "$0")/own_session.sh"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw"
"$game" 2> "$work/stderr" & pid=\$!
# Wait for the menu's window before pressing anything.
window_of TINTINEABLES > /dev/null
sleep 0.5
xdotool key F2
sleep 1
xdotool key Escape
sleep 0.5
xdotool key Escape
end_within 5 \$pid
status=\$?
[ \$status = 124 ] && echo "the game did not end on Escape twice" >&2
echo \$status > "$work/status"
SESSION
xvfb-run -a bash "$work/session.sh"

status=$(cat "$work/status")
mapfile -t found < <("$audio_find" "$work/out.raw" "$sounds/presentacion.wav" "$sounds/bola.wav")
presentation=${found[0]}
ball=${found[1]}
echo "exit status $status; presentation heard at frame $presentation, bola at frame $ball"
fail=0
[ "$status" = 0 ] || { echo "FAIL: the game ended with status $status"; cat "$work/stderr"; fail=1; }
[ "$presentation" -ge 0 ] || { echo "FAIL: no presentation"; fail=1; }
[ "$ball" -gt "$presentation" ] || { echo "FAIL: F2 did not announce Picture1 after the presentation"; fail=1; }
exit $fail
