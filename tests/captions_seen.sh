#!/usr/bin/env bash
# The board's captions and play by mouse on the desktop: the real game on a real X server with a
# window manager, a short game played by mouse clicks alone (xdotool) with B between them; after
# each step a screenshot whose band under the cross is read by tesseract (captions_read.py)
# against the words the text mode gives for the same moves, written out below, and the sound
# from SDL's disk driver heard cue for cue, as the same moves by keys sound.
#   captions_seen.sh GAME AUDIO_FIND
set -uo pipefail
game=$1
audio_find=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
sounds=$(dirname "$game")/sounds
work=$(mktemp -d)
. "$here/own_session.sh"
own_session "$work"
fail=0
trap '[ "$fail" != 0 ] || rm -rf "$work"' EXIT

cat > "$work/session.sh" <<SESSION
set -u
. "$here/own_session.sh"
openbox > /dev/null 2>&1 &
sleep 0.5
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw"
LANG=es_ES.UTF-8 LANGUAGE=es "$game" 2> "$work/stderr" & pid=\$!
window_of TINTINEABLES > /dev/null
sleep 0.5
xdotool key F2
window_of TABLERO > /dev/null
sleep 0.8
client_area "\$(xdotool getactivewindow)" > "$work/area"
. "$work/area"
# A hole's centre, by its column and row (row 1 at the bottom): the cross is the square of
# the area's width at its top.
click() { # COLUMN ROW [BUTTON]
    xdotool mousemove \$((X + (2 * \$1 - 1) * WIDTH / 14)) \$((Y + (15 - 2 * \$2) * WIDTH / 14)) click \${3:-1}
    sleep 0.5
}
shot() { sleep 0.3; xwd -root -silent > "$work/\$1.xwd"; }
click 4 2; click 4 2; click 4 4; click 4 4
xdotool key b; sleep 2.4; shot jumped
click 4 3; click 4 3; shot refused
click 1 1 3; sleep 1.5; shot taken_back
xdotool key Escape; sleep 0.5; xdotool key Escape
end_within 5 \$pid
echo \$? > "$work/status"
SESSION
with_x_server -s "-screen 0 1024x768x24" bash "$work/session.sh"

status=$(cat "$work/status" 2> /dev/null || echo none)
[ "$status" = 0 ] && echo "ok   the game ended with status 0" ||
    { echo "FAIL: the game ended with status $status"; cat "$work/stderr"; fail=1; }
# Picture5 at (4,2) picked up, dropped over (4,3) into the empty centre; B. Then the emptied
# (4,3) clicked twice: Space refused on an empty hole. The right button: the jump taken back.
for step in "jumped|bolas: 31 · saltos: 1|quedan 31 bolas" \
            "refused|bolas: 31 · saltos: 1|error: vacío" \
            "taken_back|bolas: 32 · saltos: 0|bola, fila 2, columna 4. salto deshecho"; do
    IFS='|' read -r shot status caption <<< "$step"
    echo "-- $shot"
    python3 "$here/captions_read.py" "$work/$shot.xwd" "$work/area" spa "$status" "$caption" || fail=1
done
# Each click's sound as the same move by keys gives it: the board's first arrival, Picture5's
# peg, the pick-up, the empty centre, the jump, B's words, (4,3) empty, the refusal, and the
# arrival on Picture5 that taking back makes.
expected=(presentacion bola bola seleccion central poner1 voz_quedan voz_31 voz_bolas vacio error bola)
files=("${expected[@]/#/$sounds/}")
frames=$("$audio_find" --in-order "$work/out.raw" "${files[@]/%/.wav}" | tr '\n' ' ')
case " $frames" in
*" -1"*) echo "FAIL: not every sound heard in order: ${expected[*]} at $frames"; fail=1 ;;
*) echo "ok   heard ${expected[*]}" ;;
esac
exit $fail
