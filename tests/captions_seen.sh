#!/usr/bin/env bash
# The captions and play by mouse on the desktop: the real game on a real X server with a window
# manager. First the menu's presentation: two screenshots as it plays, each band under the
# buttons read by tesseract and held to the sentence being said at that moment of the sound
# SDL's disk driver wrote (and the next one), the sentences written out below. Then a short game
# played by mouse clicks alone (xdotool) with B between them; after each step a screenshot
# whose band under the cross is read against the words the text mode gives for the same moves,
# written out below, and the sound heard cue for cue, as the same moves by keys sound.
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
client_area "\$(xdotool getactivewindow)" > "$work/menu_area"
# A screenshot, and how much sound the game had written just before and just after it.
said() { # SECONDS NAME
    sleep \$1
    stat -c %s "$work/out.raw" > "$work/\$2.bytes"
    xwd -root -silent > "$work/\$2.xwd"
    stat -c %s "$work/out.raw" >> "$work/\$2.bytes"
}
said 2.2 menu_early
said 3.4 menu_later
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
# The presentation's sentences and where each starts in its recording, as it is heard.
presentation_start=$("$audio_find" "$work/out.raw" "$sounds/presentacion.wav")
for shot in menu_early menu_later; do
    echo "-- $shot"
    python3 - "$work" "$shot" "$presentation_start" "$here/captions_read.py" <<'CHECK' || fail=1
import subprocess, sys
work, shot, start, reader = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
sentences = [(0.0, "Tintineables."),
             (1.28, "Solitario de treinta y dos bolas para jugar con el oído."),
             (4.51, "F1, tutorial."), (6.88, "F2, jugar."), (8.70, "F3, créditos."),
             (10.72, "F4, retos."), (12.66, "Escape, salir.")]
if start < 0:
    sys.exit("FAIL: the presentation was never heard")
before, after = (int(n) for n in open(f"{work}/{shot}.bytes").read().split())
at = ((before + after) / 2 / 4 - start) / 48000  # 16-bit stereo frames at 48 kHz
said = max(i for i, (begins, _) in enumerate(sentences) if begins <= at)
# Within a third of a second of a sentence's start the clock's tenth and the screen's frame may
# show either side of it.
near = [i for i in (said - 1, said, said + 1)
        if 0 <= i < len(sentences) - 1 and min(abs(at - sentences[i][0]), abs(at - sentences[i + 1][0])) < 0.33]
print(f"heard {at:.2f} s into the presentation: {sentences[said][1]}")
for i in [said] + [i for i in near if i != said]:
    if subprocess.run([sys.executable, reader, f"{work}/{shot}.xwd", f"{work}/menu_area", "spa",
                       sentences[i][1], sentences[i + 1][1]]).returncode == 0:
        sys.exit(0)
sys.exit("FAIL: the caption is not the sentence being said")
CHECK
done
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
