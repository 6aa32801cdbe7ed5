#!/usr/bin/env bash
# A whole game on the Windows edition under Wine, key to audible, beside the barest WASAPI program
# under the same Wine: a seeded winning game played as a player who asks for hints does (A before
# every other jump, the cursor walked to each peg by a detour; bench/hinted_game), its keys 250
# to 450 ms apart, each cue of a key heard from the null sink's monitor against the recording the
# game plays for it (cues_for_keys, the game's C++ run natively), a spoken answer pressed but not
# listened for. The bare program gets the same keys and answers the arrows with bola.wav. Each is
# started RUNS times (10 unless told), in turn, on a PulseAudio of its own whose null sink does
# not rewind (as sound_servers.sh runs Wine): a run's median, p95, max and cues lost, then all
# runs pooled. A run whose median is over 35 ms, or that lost a cue, is marked "late".
# KEEP=1 keeps the run's folder (each program's output, every cue's latency); WINEDEBUG is Wine's.
#   [LOAD=busy] [STALL=MS] [KEEP=1] xvfb-run -a bench/windows_game.sh BUILD_FOLDER WINDOWS_BUILD_FOLDER [RUNS] [SEED]
set -uo pipefail
build=$1
windows=$2
runs=${3:-10}
seed=${4:-7}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../tests/sound_server.sh"

work=$(mktemp -d)
cleanup() {
  wineserver -k 2> /dev/null
  stop_sound_server
  [ -n "${KEEP:-}" ] && echo "kept: $work" || rm -rf "$work"
}
trap cleanup EXIT

# The game's keys, and each key's cue: the first recording its first sound plays, where that is
# one of the edition's own wave files; a spoken answer, compressed, is not listened for.
"$build/hinted_game" "$seed" > "$work/keys" || exit 1
mapfile -t codes < <(cut -d' ' -f1 "$work/keys")
mapfile -t names < <(cut -d' ' -f2 "$work/keys")
# From the menu: F2 (113) opens the board, whose first line is the start's own.
mapfile -t sounds < <("$build/cues_for_keys" 113 "${codes[@]}" | tail -n +3)
: > "$work/game.script"
: > "$work/bare.script"
for i in "${!codes[@]}"; do
  first=${sounds[$i]%% *}
  first=${first%%+*}
  cue=-
  # Plain PCM (format tag 1 at byte 20): the earcons; the speech is MPEG layer 3.
  [ -n "$first" ] && [ -f "$windows/sounds/$first" ] &&
    [ "$(od -An -tu2 -j20 -N2 "$windows/sounds/$first" | tr -d ' ')" = 1 ] && cue="$windows/sounds/$first"
  echo "${names[$i]} $cue" >> "$work/game.script"
  case ${names[$i]} in
    Left | Up | Right | Down) echo "${names[$i]} $windows/sounds/bola.wav" >> "$work/bare.script" ;;
    *) echo "${names[$i]} -" >> "$work/bare.script" ;;
  esac
done
echo "A game of ${#codes[@]} keys (seed $seed): $(grep -c ' a$' "$work/keys") hints asked," \
     "$(grep -vc ' -$' "$work/game.script") cues listened for ($(grep -vc ' -$' "$work/bare.script") on the bare program)"

export WINEPREFIX="$work/wine" WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i > "$work/wineboot.log" 2>&1
SOUND_SERVER_SINK_OPTIONS=norewinds=1 start_sound_server pulseaudio "$work/pulseaudio" || exit 1

run() { # game|bare: one start, its keys, its result line
  local player=$1 pid wm window i player_exe=tintineables.exe
  [ "$player" = bare ] && player_exe=bare_wasapi.exe
  openbox > /dev/null 2>&1 &
  wm=$!
  # With STALL, the thread that feeds the program's stream is held still once for that many ms,
  # 20 s into its keys, while Wine's own threads run on, as a busy machine holds a thread: its
  # stream runs dry, which under Wine leaves silence queued ahead of every later sound unless
  # the program starts a new stream.
  local hold=()
  [ -n "${STALL:-}" ] && hold=(python3 "$here/../tests/windows/hold_sound_thread.py" 27 "$STALL")
  if [ "$player" = game ]; then
    "${hold[@]}" wine "$windows/tintineables.exe" > "$work/$player.out" 2>&1 &
    pid=$!
    window=$(window_of TINTINEABLES)
  else
    "${hold[@]}" wine "$windows/bare_wasapi.exe" "$windows/sounds/bola.wav" > "$work/$player.out" 2>&1 &
    pid=$!
    window=$(window_of peer)
  fi
  # Wine takes the focus from the window manager a moment after the window shows.
  for ((i = 0; i < 100; i++)); do
    [ -n "$window" ] && [ "$(xdotool getactivewindow 2> /dev/null)" = "$window" ] && break
    sleep 0.1
  done
  sleep 1
  local start=()
  [ "$player" = game ] && start=(--start-key F2)
  "$build/key_to_audible" --script "$work/$player.script" "${start[@]}" \
    --latencies "$work/$player.$r.latencies"
  cat "$work/$player.$r.latencies" >> "$work/$player.latencies"
  # What the program and Wine's server (every wait, every window call of the program goes
  # through it) took of the processor over the run, in ms.
  local ticks=$(getconf CLK_TCK) program
  program=$(pgrep -f "^[^ ]*$player_exe" | head -n 1)
  echo "$(awk -v t="$ticks" '{ print ($14 + $15) * 1000 / t }' "/proc/$program/stat" 2> /dev/null)" \
       "$(awk -v t="$ticks" '{ print ($14 + $15) * 1000 / t }' "/proc/$(pgrep wineserver | head -n 1)/stat" 2> /dev/null)" \
       > "$work/$player.$r.cpu"
  # The game ends by its keys (Escape to the menu, Escape out), and says how often its stream
  # ran dry and started afresh.
  if [ "$player" = game ]; then
    xdotool key Escape; sleep 1; xdotool key Escape
    for ((i = 0; i < 50; i++)); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
  fi
  kill "$pid" "$wm" 2> /dev/null
  wineserver -k 2> /dev/null
  wait "$pid" "$wm" 2> /dev/null
  cp "$work/$player.out" "$work/$player.$r.out"
}

# With LOAD=busy, every core spins at the programs' own priority for the whole run, as another
# program would (the tests' own builds, a second game under Wine).
burners=()
if [ "${LOAD:-idle}" = busy ]; then
  for ((i = 0; i < $(nproc); i++)); do
    bash -c 'while :; do :; done' &
    burners+=($!)
  done
  trap 'kill "${burners[@]}" 2> /dev/null; cleanup' EXIT
fi

printf '\n| run | player | key to audible, median / p95 / max (ms) | cues lost or broken | stream started afresh | processor, program / wineserver (ms) |\n|---|---|---|---|---|---|\n'
declare -A lost=() late=()
for ((r = 1; r <= runs; r++)); do
  for player in game bare; do
    line=$(run $player)
    read -r _ total _ heard _ median _ p95 _ max _ dropouts _ <<< "$line"
    [ -n "${total:-}" ] || { echo "| $r | $player | no result | |"; late[$player]=$(( ${late[$player]:-0} + 1 )); continue; }
    lost[$player]=$(( ${lost[$player]:-0} + dropouts ))
    mark=
    if awk -v m="$median" 'BEGIN { exit !(m > 35) }' || [ "$dropouts" != 0 ]; then
      mark=" (late)"
      late[$player]=$(( ${late[$player]:-0} + 1 ))
    fi
    afresh=$(sed -n 's/.*ran dry \([0-9]*\) times.*/\1/p' "$work/$player.out")
    [ "$player" = game ] && afresh=${afresh:-0} || afresh=
    echo "| $r | $player | $median / $p95 / $max$mark | $dropouts of $total$([ "$heard" = "$total" ] || echo ", $((total - heard)) never heard") | $afresh | $(sed 's| | / |' "$work/$player.$r.cpu") |"
  done
done

printf '\n| player, %s runs pooled | key to audible, median / p95 / max (ms) | cues lost or broken | late runs |\n|---|---|---|---|\n' "$runs"
for player in game bare; do
  label="Windows edition, Wine 8"
  [ "$player" = bare ] && label="a bare WASAPI program, Wine 8"
  [ -s "$work/$player.latencies" ] || { echo "| $label | none heard | | |"; continue; }
  sort -n "$work/$player.latencies" | awk -v label="$label" -v lost="${lost[$player]:-0}" -v late="${late[$player]:-0}" '
    { v[NR] = $1 }
    END {
      printf "| %s | %.1f / %.1f / %.1f | %d | %d |\n", label, v[int(0.5 * (NR - 1) + 0.5) + 1],
        v[int(0.95 * (NR - 1) + 0.5) + 1], v[NR], lost, late
    }'
done
