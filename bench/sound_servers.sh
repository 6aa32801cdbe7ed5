#!/usr/bin/env bash
# Key to audible through the sound servers a player really has: PulseAudio, then PipeWire
# with its pulse layer and session manager, each started here, headless, on a 48 kHz null sink
# that is the default sink, with the server's own configuration untouched. For each server the
# game, then the peers (SDL2_mixer at 1024 frames, a paplay process per cue) get 120 real arrow
# presses under Xvfb, once on an idle machine and once with every core busy; on PipeWire the
# game once more with a screen reader running (Orca, on the accessibility bus, speaking to a
# file). With a built page (TINTINEABLES_PAGE, the page's folder), the page too, served on
# localhost, in each engine (Debian's Chromium, Firefox ESR, WebKitGTK's MiniBrowser), each
# beside the barest page that plays bola.wav on an arrow key in the same engine
# (bench/bare_page), which is that engine's own floor, in the same run. With a built Windows edition
# (TINTINEABLES_WINDOWS, its build folder), on PulseAudio the Windows edition under Wine beside
# the barest WASAPI program under the same Wine (bare_wasapi), which is Wine's own floor. Before
# each block, how late the machine wakes a real-time thread, since every miss below comes from
# there.
# BENCH_SERVERS, BENCH_PLAYERS and BENCH_LOADS narrow a run to some servers (pulseaudio, pipewire,
# wine), players (names as in the table: game, mixer-1024, paplay, page, windows, windows-bare)
# and loads (idle, busy).
#   [TINTINEABLES_PAGE=build-web/page] [TINTINEABLES_WINDOWS=build-windows] \
#       [BENCH_SERVERS="pulseaudio"] [BENCH_PLAYERS="game windows windows-bare"] [BENCH_LOADS=idle] \
#       xvfb-run -a bench/sound_servers.sh BUILD_FOLDER [PRESSES]
set -uo pipefail
build=$1
presses=${2:-120}
game=$build/tintineables
measure=$build/key_to_audible
peer=$build/peer_player
lateness=$build/wake_up_lateness
cue=$build/sounds/bola.wav
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../tests/sound_server.sh"
. "$here/../tests/screen_reader_session.sh"
. "$here/../tests/firefox_profile.sh"

work=$(mktemp -d)
burners=()
page_server=
cleanup() {
  stop_busy
  stop_screen_reader
  stop_sound_server
  [ -n "$page_server" ] && kill "$page_server" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_busy() { # one spinning process per core, at the same priority as everything else
  local i
  for ((i = 0; i < $(nproc); i++)); do
    bash -c 'while :; do :; done' &
    burners+=($!)
  done
}
stop_busy() {
  [ ${#burners[@]} -eq 0 ] && return 0
  kill "${burners[@]}" 2>/dev/null
  wait "${burners[@]}" 2>/dev/null
  burners=()
}

# run_player NAME -- COMMAND...: starts a player, presses the keys, prints its result line.
run_player() {
  local name=$1 title start=() result
  shift 2
  case $name in
    game | windows) title=TINTINEABLES; start=(--start-key F2) ;;
    # Chromium opens its stream at the server's own default rate, which for PulseAudio (44.1 kHz)
    # is not the sink's (48 kHz): its cues are heard by their rise, not frame for frame.
    page* | bare-*)
      [[ $name = page* ]] && { title=TINTINEABLES; start=(--start-key Return,F2); } ||
        { title=peer; start=(--start-key Return); }
      # Firefox names its window after the page and itself.
      [[ $name = *firefox ]] && title="$title — Mozilla Firefox"
      # WebKitGTK plays at 44.1 kHz whatever the server's rate: heard by its rise too.
      { [[ $name = *webkit ]] || [ "$sound_server_kind" = pulseaudio ]; } && start+=(--resampled) ;;
    *) title=peer ;;
  esac
  local pid attempt window i
  # A client started while every core spins can miss the X server once; a second start tells
  # a player that cannot start from a busy machine.
  for attempt in 1 2; do
    "$@" > "$work/$name.out" 2> "$work/$name.err" &
    pid=$!
    window=$(window_of "$title") && break
    echo "no window from $name (attempt $attempt):" >&2
    cat "$work/$name.err" >&2
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ "$attempt" = 2 ] && return 1
  done
  # The page loads its game and recordings before its first element takes Enter; a window under
  # Wine takes the focus from the window manager a moment after it shows.
  # Firefox and WebKitGTK start slower than Chromium on a busy machine.
  case $name in page | bare-*) sleep 3 ;; page-*) sleep 8 ;; windows*) sleep 2 ;; *) sleep 0.5 ;; esac
  # On a busy machine the window manager can take longer than that: keys sent before it gives
  # the window the focus are lost, and a whole start would be counted never heard.
  if [[ $name = windows* ]]; then
    for ((i = 0; i < 100; i++)); do
      [ "$(xdotool getactivewindow 2> /dev/null)" = "$window" ] && break
      sleep 0.1
    done
  fi
  result=$("$measure" --recording "$cue" --presses "${player_presses:-$presses}" "${start[@]}" \
    ${latencies:+--latencies "$latencies"})
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo "$result"
}

# The page: served on localhost, played in each engine's own window of it, a fresh profile each
# time; the bare page beside it, from the same server (bare/).
players=(game mixer-1024 paplay)
if [ -n "${TINTINEABLES_PAGE:-}" ]; then
  mkdir -p "$work/served/bare"
  for entry in "$TINTINEABLES_PAGE"/*; do ln -s "$(realpath "$entry")" "$work/served/"; done
  cp "$here/bare_page/index.html" "$TINTINEABLES_PAGE/sounds/bola.wav" "$work/served/bare/"
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$work/served" > "$work/page-server.log" 2>&1 &
  page_server=$!
  for ((i = 0; i < 100; i++)); do
    page_port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/page-server.log")
    [ -n "$page_port" ] && break
    sleep 0.05
  done
  players+=(page bare-chromium page-firefox bare-firefox page-webkit bare-webkit)
fi
# The Windows edition and Wine's floor, under Wine with a window manager of their own (without
# one Wine gives a new window no keyboard focus), in a Wine prefix made for the run.
windows_players=()
if [ -n "${TINTINEABLES_WINDOWS:-}" ]; then
  export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot -i > "$work/wineboot.log" 2>&1
  windows_players=(windows windows-bare)
fi
windows_player() { # windows|windows-bare
  openbox > /dev/null 2>&1 &
  local wm=$! player
  if [ "$1" = windows ]; then
    wine "$TINTINEABLES_WINDOWS/tintineables.exe" &
  else
    wine "$TINTINEABLES_WINDOWS/bare_wasapi.exe" "$TINTINEABLES_WINDOWS/sounds/bola.wav" &
  fi
  player=$!
  trap 'kill $player $wm 2> /dev/null; wineserver -k 2> /dev/null; exit 0' TERM
  wait $player
  kill $wm 2> /dev/null
}
page_player() { # page|bare-chromium|page-firefox|bare-firefox|page-webkit|bare-webkit
  local url="http://127.0.0.1:$page_port/"
  [[ $1 = bare-* ]] && url+=bare/
  rm -rf "$work/profile"
  case $1 in
    *firefox)
      firefox_profile "$work/profile" es
      exec firefox-esr --kiosk --no-remote --profile "$work/profile" "$url" ;;
    *webkit)
      exec "${TINTINEABLES_MINIBROWSER:-/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser}" "$url" ;;
    *)
      exec chromium --no-sandbox --user-data-dir="$work/profile" --no-first-run --disable-gpu \
        --disable-background-networking --disable-component-update --disable-sync \
        --disable-features=Translate --app="$url" ;;
  esac
}

# Under Wine, how much of its queue is full when the keys come is set by chance as a stream
# starts (where Wine's 10 ms timer meets the sink's clock), and lasts as long as the stream: one
# start of a program says little about the program. So each Windows player is started
# BENCH_STARTS times (6 unless told), the game and the bare program in turn, and its presses
# are shared among the starts and pooled; each start's median, and its dropouts where it had
# any, is listed below the table.
declare -A pooled=()
starts_said=()
broken_at_start=()
windows_starts() {
  local starts=${BENCH_STARTS:-6} s player line total heard dropouts at_start
  local -A totals=() heards=() drops=() medians=() starts_broken=()
  for player in "${windows_players[@]}"; do
    rm -f "$work/$player.latencies"
  done
  for ((s = 1; s <= starts; s++)); do
    for player in "${windows_players[@]}"; do
      [ -z "${BENCH_PLAYERS:-}" ] || [[ " $BENCH_PLAYERS " == *" $player "* ]] || continue
      line=$(player_presses=$(( (presses + starts - 1) / starts )) latencies="$work/$player.latencies" \
        run_player $player -- windows_player $player)
      [ -n "$line" ] || { medians[$player]+=" (no window)"; continue; }
      read -r _ total _ heard _ median _ _ _ _ _ dropouts _ at_start <<< "$line"
      totals[$player]=$(( ${totals[$player]:-0} + total ))
      heards[$player]=$(( ${heards[$player]:-0} + heard ))
      drops[$player]=$(( ${drops[$player]:-0} + dropouts ))
      starts_broken[$player]=$(( ${starts_broken[$player]:-0} + at_start ))
      medians[$player]+=" $median$([ "$dropouts" = 0 ] || echo " ($dropouts)")"
    done
  done
  for player in "${!totals[@]}"; do
    pooled[$player]=$(sort -n "$work/$player.latencies" | awk -v total="${totals[$player]}" \
      -v heard="${heards[$player]}" -v dropouts="${drops[$player]}" -v at_start="${starts_broken[$player]}" '
      { v[NR] = $1 }
      END {
        m = NR ? v[int(0.5 * (NR - 1) + 0.5) + 1] : 0
        p = NR ? v[int(0.95 * (NR - 1) + 0.5) + 1] : 0
        printf "presses %d heard %d median %.1f p95 %.1f max %.1f dropouts %d broken-at-start %d\n", total, heard, m, p, v[NR] + 0, dropouts, at_start
      }')
    broken_at_start+=("| $player | $load | ${starts_broken[$player]} of ${totals[$player]} | ${drops[$player]} |")
    starts_said+=("| $player | $load |${medians[$player]} |")
  done
}

wake_ups=()
printf '| server | player | machine | key to audible, median / p95 / max (ms) | cues with a dropout |\n'
printf '|---|---|---|---|---|\n'
row() { # VERSION PLAYER LOAD RESULT-LINE
  local total heard median p95 max dropouts
  read -r _ total _ heard _ median _ p95 _ max _ dropouts _ <<< "$4"
  printf '| %s | %s | %s | %s / %s / %s | %s of %s%s |\n' "$1" "$2" "$3" \
    "$median" "$p95" "$max" "$dropouts" "$total" \
    "$([ "$heard" = "$total" ] || echo ", $((total - heard)) never heard")"
}

servers=${BENCH_SERVERS:-pulseaudio pipewire wine}
[ ${#windows_players[@]} -gt 0 ] || servers=${servers//wine/}
for server in $servers; do
  if [ "$server" = wine ]; then
    # Wine's players on PulseAudio of their own: its null sink re-renders what its monitor
    # already sent unless told not to rewind, which would hear Wine's cues twice; without
    # rewinds, a client that keeps little queued (the Linux game) breaks up, so it is not
    # measured there.
    SOUND_SERVER_SINK_OPTIONS=norewinds=1 start_sound_server pulseaudio "$work/wine-pulseaudio" || exit 1
    server_players=("${windows_players[@]}")
    version="$(sound_server_name), sink without rewinds"
  else
    start_sound_server "$server" "$work/$server" || exit 1
    server_players=("${players[@]}")
    version=$(sound_server_name)
  fi
  for load in ${BENCH_LOADS:-idle busy}; do
    [ "$load" = busy ] && start_busy
    wake_ups+=("| $version | $load | $("$lateness" 10) |")
    [ "$server" = wine ] && windows_starts
    for player in "${server_players[@]}"; do
      [ -z "${BENCH_PLAYERS:-}" ] || [[ " $BENCH_PLAYERS " == *" $player "* ]] || continue
      case $player in
        game) line=$(run_player game -- "$game") ;;
        page* | bare-*) line=$(run_player $player -- page_player $player) ;;
        windows | windows-bare) line=${pooled[$player]} ;;
        *) line=$(run_player "$player" -- "$peer" "$player" "$cue") ;;
      esac
      label=$player
      case $player in
        page) label="page, Chromium" ;;
        page-firefox) label="page, Firefox ESR" ;;
        page-webkit) label="page, WebKitGTK" ;;
        bare-chromium) label="bare page, Chromium" ;;
        bare-firefox) label="bare page, Firefox ESR" ;;
        bare-webkit) label="bare page, WebKitGTK" ;;
      esac
      { [[ $player = *webkit ]] || { [[ $player = page || $player = bare-chromium ]] && [ "$server" = pulseaudio ]; }; } &&
        label+=", resampled (heard by its rise)"
      [ "$player" = windows ] && label="Windows edition, Wine 8"
      [ "$player" = windows-bare ] && label="a bare WASAPI program, Wine 8"
      row "$version" "$label" "$load" "$line"
    done
    stop_busy
  done
  if [ "$server" = pipewire ] && [[ -z "${BENCH_PLAYERS:-}" || " $BENCH_PLAYERS " == *" game "* ]]; then
    start_screen_reader "$work/orca" || exit 1
    for load in idle busy; do
      [ "$load" = busy ] && start_busy
      wake_ups+=("| $version, Orca running | $load | $("$lateness" 10) |")
      row "$version" "game, Orca running" "$load" "$(run_player game -- "$game")"
      stop_busy
    done
    stop_screen_reader
  fi
  stop_sound_server
done
if [ ${#starts_said[@]} -gt 0 ]; then
  printf '\n| Windows player | machine | the median of each start (ms), with its dropouts |\n|---|---|---|\n'
  printf '%s\n' "${starts_said[@]}"
  printf '\n| Windows player | machine | cues broken at their start (their first 20 ms not as recorded) | cues with any dropout |\n|---|---|---|---|\n'
  printf '%s\n' "${broken_at_start[@]}"
fi
printf '\n| server | machine | a real-time thread waking every 1 ms for 10 s, just before |\n'
printf '|---|---|---|\n'
printf '%s\n' "${wake_ups[@]}"
