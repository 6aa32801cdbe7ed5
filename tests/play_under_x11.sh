#!/usr/bin/env bash
# Plays the real game as a person would: a real X server (Xvfb), real key presses through
# XTest (xdotool), and the sound it made read back from SDL's disk audio driver.
#   play_under_x11.sh GAME AUDIO_FIND help     on the board, the help keys B, P, G and A, each
#                                              heard word by word
#   play_under_x11.sh GAME AUDIO_FIND puzzle   F4 opens the first puzzle, Page Down four times
#                                              the Cross, whose five jumps are then played by
#                                              arrows, Space and Ctrl, to the applause
#   play_under_x11.sh GAME AUDIO_FIND glance SWEEP_HEARD
#                                              two jumps, then V, the whole cross by ear; 8 twice
#                                              and F, the row at a quicker pace; V cut short by
#                                              Shift alone; each sweep heard hole by hole, each
#                                              hole's place measured from the two channels
set -euo pipefail
game=$1
audio_find=$2
scenario=$3
sounds=$(dirname "$game")/sounds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
own_session "$work"

case $scenario in
help)
    # Each answer is let finish before the next key, which would cut it.
    play='xdotool key F2; sleep 1; for key in b p g a; do xdotool key $key; sleep 1.8; done'
    # The menu, Picture1 announced, B "quedan treinta y dos bolas", P "fila uno, columna tres",
    # G "todavía puedes ganar", A: the cursor on Picture5 (a peg) "salta hacia arriba".
    expected=(presentacion bola voz_quedan voz_32 voz_bolas voz_fila voz_uno voz_columna voz_3
              voz_puedes_ganar bola voz_arriba)
    ;;
puzzle)
    # Each puzzle's name is let finish. The Cross, from the bottom left hole: to (4,5) and over
    # (3,5) to (2,5); (4,3) over the centre to (4,5); (5,5) over (4,5) to (3,5); (2,5) over (3,5)
    # to (4,5); (4,6) over (4,5) into the centre. Then B.
    play='xdotool key F4; sleep 1.5; for i in 1 2 3 4; do xdotool key Next; sleep 1.5; done
          for key in Up Up Up Up Right space Left Left ctrl  Down Down Right Right space Up Up ctrl \
                     Right space Left Left ctrl  Left space Right Right ctrl  Up space Down Down ctrl
          do xdotool key $key; sleep 0.4; done
          sleep 3.5; xdotool key b; sleep 1.8'
    # The first puzzle, two pegs, with the bottom left hole empty; then the Cross, written out
    # from its picture (X a peg), the bottom left hole again empty:
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
    ;;
glance)
    play='xdotool key F2; sleep 1
          for key in Right Up space Up Up ctrl  Down Left Left space Right Right ctrl
          do xdotool key $key; sleep 0.4; done
          sleep 0.6; xdotool key v; sleep 3.5
          xdotool key 8; sleep 1.5; xdotool key 8; sleep 2.5; xdotool key f; sleep 1.5
          xdotool key v; sleep 1; xdotool key shift; sleep 1; xdotool key Right; sleep 1'
    expected=(presentacion bola)
    ;;
*)
    echo "no scenario $scenario" >&2
    exit 2
    ;;
esac

cat > "$work/session.sh" <<SESSION
set -u
. "$(dirname "$0")/own_session.sh"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw"
"$game" 2> "$work/stderr" & pid=\$!
# Wait for the menu's window before pressing anything.
window_of TINTINEABLES > /dev/null
sleep 0.5
$play
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
files=("${expected[@]/#/$sounds/}")
frames=$("$audio_find" --in-order "$work/out.raw" "${files[@]/%/.wav}" | tr '\n' ' ')
echo "exit status $status; heard ${expected[*]}"
echo "at frames $frames"
fail=0
[ "$status" = 0 ] || { echo "FAIL: the game ended with status $status"; cat "$work/stderr"; fail=1; }
case " $frames" in *" -1"*) echo "FAIL: not every sound was heard, in that order"; fail=1 ;; esac

if [ "$scenario" = glance ]; then
    sweep_heard=$4
    # Each sweep is known by its first sound after a silence: the keys before each leave the
    # words they answer time to end.
    # The board after (4,2) jumped up into the centre and (2,3) right over (3,3) into (4,3),
    # the top row first: o a peg, . an empty hole. The cursor is on (4,3).
    picture=("  ooo  " "  ooo  " "ooooooo" "ooooooo" "o..oooo" "  o.o  " "  ooo  ")
    . "$(dirname "${BASH_SOURCE[0]}")/sweep_parts.sh"
    mapfile -t cross < <(sweep_parts 4 3 20 110 "1 2 3 4 5 6 7" "${picture[@]}")
    # At 1.5 times the pace: 20 / 1.5 and 110 / 1.5 ms.
    mapfile -t row < <(sweep_parts 4 3 13 73 3 "${picture[@]}")
    mapfile -t quick < <(sweep_parts 4 3 13 73 "1 2 3 4 5 6 7" "${picture[@]}")
    echo "the whole cross:"
    "$sweep_heard" "$work/out.raw" "$sounds" "${cross[@]}" > "$work/cross" || fail=1
    cat "$work/cross"
    end=$(awk '/^END/ { print $2 }' "$work/cross")
    echo "the row at 1.5 times the pace:"
    "$sweep_heard" --after "${end:-0}" "$work/out.raw" "$sounds" "${row[@]}" > "$work/row" || fail=1
    cat "$work/row"
    end=$(awk '/^END/ { print $2 }' "$work/row")
    echo "the cross again, cut short by Shift alone:"
    "$sweep_heard" --cut --after "${end:-0}" "$work/out.raw" "$sounds" "${quick[@]}" > "$work/cut" || fail=1
    tail -n 3 "$work/cut"
fi
exit $fail
