# Sourced by the scripts that run the real game. The session is the script's own, whatever
# the caller's holds: no display, platform plugin, audio driver, session bus or language comes
# in from outside (the game then speaks Spanish, as for a desktop that names no language), and
# HOME and XDG_RUNTIME_DIR are folders of this run.
#   own_session FOLDER    (a folder the script removes at its end)
own_session() {
    unset WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM SDL_AUDIODRIVER SDL_DISKAUDIOFILE XAUTHORITY
    unset LANGUAGE LC_ALL LC_MESSAGES LANG
    # A bus that is not there: Qt leaves its accessibility bridge off instead of starting one.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tintineables-test-bus
    mkdir -p "$1/home" "$1/runtime"
    chmod 700 "$1/runtime"
    export HOME="$1/home" XDG_RUNTIME_DIR="$1/runtime"
}

# start_session_bus: a session bus of the run's own, in its runtime folder, for the programs
# that need one (WirePlumber, the accessibility bus, Orca). stop_session_bus ends it.
: "${session_bus_pid:=}" # kept when this file is sourced again by another helper
start_session_bus() {
    local i
    # A bus killed before leaves its socket behind.
    rm -f "$XDG_RUNTIME_DIR/bus"
    dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --nofork --nopidfile \
        > /dev/null 2> "$XDG_RUNTIME_DIR/dbus.log" &
    session_bus_pid=$!
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
    for ((i = 0; i < 100; i++)); do
        [ -S "$XDG_RUNTIME_DIR/bus" ] && return 0
        sleep 0.05
    done
    echo "start_session_bus: no bus came up" >&2
    return 1
}
stop_session_bus() {
    [ -n "$session_bus_pid" ] || return 0
    kill "$session_bus_pid" 2> /dev/null
    end_within 5 "$session_bus_pid" 2> /dev/null
    session_bus_pid=
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tintineables-test-bus
}

# window_of TITLE: waits (10 s at most) for the X window with exactly this title and prints
# its id; fails when none comes.
window_of() {
    local i id
    for ((i = 0; i < 200; i++)); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# title_shown PID TITLE [SECONDS]: waits (5 s unless told) until a visible window of PID has
# exactly this title, as desktops read it (_NET_WM_NAME, UTF-8 whatever locale the game has).
title_shown() {
    local i w
    for ((i = 0; i < ${3:-5} * 20; i++)); do
        for w in $(xdotool search --onlyvisible --pid "$1" 2> /dev/null); do
            [ "$(LC_ALL=C.UTF-8 xprop -notype -id "$w" _NET_WM_NAME 2> /dev/null)" = \
              "_NET_WM_NAME = \"$2\"" ] && return 0
        done
        sleep 0.05
    done
    return 1
}

# end_within SECONDS PID: waits for PID to end by itself; past the limit it is killed and the
# status is 124, as timeout(1) gives.
end_within() {
    local limit=$(( $1 * 20 )) pid=$2 i
    for ((i = 0; i < limit; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 124
    fi
    wait "$pid"
}
