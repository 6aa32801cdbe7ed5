#!/usr/bin/env bash
# Plays the real game as a person would: a real X server (Xvfb), real key presses through
# XTest (xdotool), and the sound it made read back from SDL's disk audio driver. On the board,
# the help keys B, P, G and A, each heard word by word.
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
# Each answer is let finish before the next key, which would cut it.
for key in b p g a; do xdotool key \$key; sleep 1.8; done
xdotool key Escape
sleep 0.5
xdotool key Escape
end_within 5 \$pid
status=\$?
[ \$status = 124 ] && echo "the game did not end on Escape twice" >&2
echo \$status > "$work/status"
SESSION
with_x_server bash "$work/session.sh"

status=$(cat "$work/status")
# In order: the menu, Picture1 announced, B "quedan treinta y dos bolas", P "fila uno,
# columna tres", G "todavía puedes ganar", A: the cursor on Picture5 (a peg) "salta hacia arriba".
expected=(presentacion bola voz_quedan voz_32 voz_bolas voz_fila voz_uno voz_columna voz_3
          voz_puedes_ganar bola voz_arriba)
files=("${expected[@]/#/$sounds/}")
frames=$("$audio_find" --in-order "$work/out.raw" "${files[@]/%/.wav}" | tr '\n' ' ')
echo "exit status $status; heard ${expected[*]}"
echo "at frames $frames"
fail=0
[ "$status" = 0 ] || { echo "FAIL: the game ended with status $status"; cat "$work/stderr"; fail=1; }
case " $frames" in *" -1"*) echo "FAIL: not every sound was heard, in that order"; fail=1 ;; esac
exit $fail
