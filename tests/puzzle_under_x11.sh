#!/usr/bin/env bash
# A puzzle played as a person would, from the menu to the applause: real keys through XTest on
# a real X server, heard through SDL's disk audio driver. F4 opens the first puzzle, Page Down
# four times the Cross, whose five jumps are then played by arrows, Space and Ctrl.
#   puzzle_under_x11.sh GAME AUDIO_FIND
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
window_of TINTINEABLES > /dev/null
sleep 0.5
keys() { for key in "\$@"; do xdotool key "\$key"; sleep 0.4; done; }
# Each puzzle's name is let finish before the next key, which would cut it.
xdotool key F4; sleep 1.5
for i in 1 2 3 4; do xdotool key Next; sleep 1.5; done
# The Cross, from the bottom left hole: to (4,5) and over (3,5) to (2,5); (4,3) over the centre
# to (4,5); (5,5) over (4,5) to (3,5); (2,5) over (3,5) to (4,5); (4,6) over (4,5) into the centre.
keys Up Up Up Up Right space Left Left ctrl
keys Down Down Right Right space Up Up ctrl
keys Right space Left Left ctrl
keys Left space Right Right ctrl
keys Up space Down Down ctrl
sleep 3.5
xdotool key b; sleep 1.8
xdotool key Escape; sleep 0.5
xdotool key Escape
end_within 5 \$pid
echo \$? > "$work/status"
SESSION
with_x_server bash "$work/session.sh"

status=$(cat "$work/status")
# The first puzzle, two pegs, with the bottom left hole empty; then the Cross, written out from
# its picture (X a peg), the bottom left hole again empty:
#       . . .
#       . X .
#   . . X X X . .
#   . . . X . . .
#   . . . X . . .
#       . . .
#       . . .
expected=(presentacion vacio voz_2 voz_reto_bolas vacio voz_cruz
          vacio vacio vacio bola bola seleccion bola vacio poner1
          vacio vacio vacio bola seleccion bolacentral vacio poner1
          bola seleccion bola vacio poner1
          bola seleccion bola vacio poner1
          bola seleccion bola central aplauso
          voz_queda voz_1 voz_bola)
files=("${expected[@]/#/$sounds/}")
frames=$("$audio_find" --in-order "$work/out.raw" "${files[@]/%/.wav}" | tr '\n' ' ')
echo "exit status $status; heard ${expected[*]}"
echo "at frames $frames"
fail=0
[ "$status" = 0 ] || { echo "FAIL: the game ended with status $status"; cat "$work/stderr"; fail=1; }
case " $frames" in *" -1"*) echo "FAIL: not every sound was heard, in that order"; fail=1 ;; esac
exit $fail
