# Sourced by the scripts that play through a real sound server. The server is this run's own:
# started in a private runtime folder (with a session bus of its own where it needs one, or the
# run's own bus when it has one), on a 48 kHz null sink made the default sink, its
# configuration otherwise the desktop's default, and stopped again, so nothing is left behind,
# as root in CI as well as from a desktop.
#   start_sound_server pulseaudio|pipewire FOLDER
#   SOUND_SERVER_SINK_OPTIONS   more options of the null sink (module-null-sink), e.g. norewinds=1
#   stop_sound_server
#   sound_server_name      e.g. "PulseAudio 16.1", "PipeWire 0.3.65"
. "$(dirname "${BASH_SOURCE[0]}")/own_session.sh"
. "$(dirname "${BASH_SOURCE[0]}")/steady_machine.sh"

sound_server_pids=()

start_sound_server() {
  local kind=$1 folder=$2 i
  sound_server_kind=$kind
  # The server's socket and cookie live in the folder; the display and a bus the run started
  # itself stay the caller's.
  # The pulse folder is made before any server starts: every pactl makes it too, and PipeWire's
  # pulse layer, finding none, makes it as well and gives up when a pactl polling for it got
  # there first ("mkdir() .../pulse failed: File exists").
  mkdir -p "$folder/home" "$folder/runtime/pulse"
  chmod 700 "$folder/runtime" "$folder/runtime/pulse"
  export HOME="$folder/home" XDG_RUNTIME_DIR="$folder/runtime"
  [ -n "$session_bus_pid" ] || export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tintineables-test-bus
  unset SDL_AUDIODRIVER PULSE_SERVER PULSE_SINK PULSE_SOURCE PIPEWIRE_REMOTE PIPEWIRE_RUNTIME_DIR
  sound_server_folder=$folder
  # A client never starts a server behind the test's back when the test has stopped it.
  printf 'autospawn = no\n' > "$folder/client.conf"
  export PULSE_CLIENTCONFIG="$folder/client.conf"
  case $kind in
    pulseaudio)
      # The null sink comes with the server, so that a client reconnecting to a restarted
      # server never meets the stand-in sink the default configuration makes while it has none.
      pulseaudio --daemonize=no --exit-idle-time=-1 --log-target=stderr ${PULSEAUDIO_VERBOSE:+-vvv --log-time=1} \
        -L "module-null-sink sink_name=speaker rate=48000 ${SOUND_SERVER_SINK_OPTIONS:-}" \
        > /dev/null 2> "$folder/pulseaudio.log" &
      sound_server_pids+=($!)
      ;;
    pipewire)
      # WirePlumber needs a session bus; the test's own, not the caller's.
      if [ -z "$session_bus_pid" ]; then
        start_session_bus || return 1
        sound_server_bus=1
      fi
      rm -f "$XDG_RUNTIME_DIR/pipewire-0" # left by a server killed before: not yet the new one
      pipewire > /dev/null 2> "$folder/pipewire.log" &
      sound_server_pids+=($!)
      wait_for_socket "$XDG_RUNTIME_DIR/pipewire-0"
      wireplumber > /dev/null 2> "$folder/wireplumber.log" &
      sound_server_pids+=($!)
      pipewire-pulse > /dev/null 2> "$folder/pipewire-pulse.log" &
      sound_server_pids+=($!)
      ;;
    *)
      echo "start_sound_server: no server called $kind" >&2
      return 1
      ;;
  esac
  for ((i = 0; i < 200; i++)); do
    pactl info > /dev/null 2>&1 && break
    sleep 0.05
  done
  # PipeWire's pulse layer answers before the daemon can make a sink ("Not supported"), seen
  # on a first start with nothing cached: try for a while.
  local sink=1
  if [ "$kind" = pipewire ]; then
    for ((i = 0; i < 100; i++)); do
      pactl load-module module-null-sink sink_name=speaker rate=48000 ${SOUND_SERVER_SINK_OPTIONS:-} > /dev/null 2>&1 &&
        { sink=1; break; }
      sink=0
      sleep 0.05
    done
  fi
  if [ "$sink" = 0 ]; then
    echo "start_sound_server: $kind did not come up:" >&2
    tail -n 20 "$folder"/*.log >&2
    stop_sound_server
    return 1
  fi
  # PipeWire's pulse layer keeps the default sink in the session manager's metadata, which
  # WirePlumber makes a moment after it starts: until then setting it fails ("Not supported"),
  # which once ended a test in its first half second. Try for a while; the session manager
  # follows the new default a moment later.
  for ((i = 0; i < 200; i++)); do
    pactl set-default-sink speaker 2> /dev/null &&
      [ "$(pactl get-default-sink 2> /dev/null)" = speaker ] && return 0
    sleep 0.05
  done
  echo "start_sound_server: the null sink did not become the default" >&2
  stop_sound_server
  return 1
}

wait_for_socket() { # 5 s at most
  local i
  for ((i = 0; i < 100; i++)); do
    [ -S "$1" ] && return 0
    sleep 0.05
  done
}

# Stops what start_sound_server started, last first.
stop_sound_server() {
  local i
  for ((i = ${#sound_server_pids[@]} - 1; i >= 0; i--)); do
    kill "${sound_server_pids[i]}" 2> /dev/null
    end_within 5 "${sound_server_pids[i]}" 2> /dev/null
  done
  sound_server_pids=()
  if [ -n "${sound_server_bus:-}" ]; then
    stop_session_bus
    sound_server_bus=
  fi
}

# game_stream_is_native_pipewire PID: PID plays through PipeWire's own protocol, not through its
# pulse layer (where a cue waits a 256-frame quantum more).
game_stream_is_native_pipewire() {
  pw-dump | python3 -c '
import json, sys
clients = [o for o in json.load(sys.stdin)
           if o.get("type", "").endswith(":Client")
           and str(((o.get("info") or {}).get("props") or {}).get("application.process.id")) == sys.argv[1]]
apis = {o["info"]["props"].get("client.api") for o in clients}
sys.exit(0 if clients and "pipewire-pulse" not in apis else 1)' "$1"
}

# game_clients PID: the server's numbers of PID's clients, one a line (pactl list clients).
game_clients() {
  pactl list clients | awk -v pid="$1" '/^Client #/ { n = substr($2, 2) }
    $1 == "application.process.id" && $3 == "\"" pid "\"" { print n }'
}

# game_stream_property PID KEY: a property of PID's stream as the server's volume control lists
# it (pactl list sink-inputs), on PulseAudio and PipeWire's pulse layer alike; empty when none.
# The stream is known by its client: PipeWire gives a stream's own properties no process id.
game_stream_property() {
  pactl list sink-inputs | awk -v clients=" $(game_clients "$1" | tr '\n' ' ')" -v key="$2" '
    /^Sink Input/ { mine = 0 }
    $1 == "Client:" && index(clients, " " $2 " ") { mine = 1 }
    mine && $1 == key { value = $0; sub(/^[^=]*= "/, "", value); sub(/"$/, "", value); print value; exit }'
}

# game_plays_into_within SECONDS PID SINK: waits until PID's stream is linked to SINK. A stream
# the session manager has not linked yet plays nowhere (seen once on a machine's first PipeWire
# start: every cue of the first seconds missing from the sink).
game_plays_into_within() {
  local i sink
  for ((i = 0; i < $1 * 20; i++)); do
    sink=$(pactl list sinks short 2> /dev/null | awk -v name="$3" '$2 == name { print $1 }')
    [ -n "$sink" ] && [ "$(game_stream_property_line "$2" Sink:)" = "$sink" ] && return 0
    sleep 0.05
  done
  echo "the game's stream was not linked to $3 within $1 s" >&2
  return 1
}

# game_stream_property_line PID FIELD: the value after FIELD ("Sink:", "Corked:") in PID's
# sink input.
game_stream_property_line() {
  pactl list sink-inputs 2> /dev/null | awk -v clients=" $(game_clients "$1" | tr '\n' ' ')" -v key="$2" '
    /^Sink Input/ { mine = 0 }
    $1 == "Client:" && index(clients, " " $2 " ") { mine = 1 }
    mine && $1 == key { print $2; exit }'
}

# game_buffer_latency_usec PID: the sound PulseAudio keeps for PID's stream ("Buffer Latency"),
# which follows what the game asked for. Each reading is the buffer's fill at that instant: now
# and then it catches the server mid-way through taking a block (3937 or 8041 us beside the
# usual 6000), so the reading is the most frequent of ten.
game_buffer_latency_usec() {
  local i
  for ((i = 0; i < 10; i++)); do
    pactl list sink-inputs | awk -v clients=" $(game_clients "$1" | tr '\n' ' ')" '
      /^Sink Input/ { mine = 0 }
      $1 == "Client:" && index(clients, " " $2 " ") { mine = 1 }
      mine && /Buffer Latency:/ { print $3; exit }'
    sleep 0.05
  done | sort | uniq -c | sort -rn | awk 'NR == 1 { print $2 }'
}

sound_server_name() {
  pactl info | sed -n 's/^Server Name: //p;s/^Server Version: //p' | tr '\n' ' ' |
    sed -E 's/^PulseAudio \(on PipeWire ([0-9.]+)\) .*/PipeWire \1/;s/^pulseaudio ([0-9.]+) $/PulseAudio \1/'
}
