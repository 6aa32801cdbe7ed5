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

# with_x_server [-s "Xvfb ARGUMENTS"] COMMAND...: runs COMMAND with DISPLAY set to an X server
# of its own (Xvfb, 1280x1024 at 24 bits unless told), started before and stopped after; the
# status is COMMAND's. The server picks a free display itself and says which (-displayfd), so a
# test started at the same moment, or the sanitizer build's run of the same test, can never take
# the same one, as two that look for a free number and then start can. And it stays up as one
# client goes and the next comes (-noreset): an X server otherwise resets when its last client
# leaves, and a client that connects in that moment is refused ("could not connect to display").
with_x_server() {
    local args="-screen 0 1280x1024x24" folder server number= status i
    if [ "${1:-}" = -s ]; then
        args=$2
        shift 2
    fi
    folder=$(mktemp -d)
    : > "$folder/display"
    # shellcheck disable=SC2086 # the server's arguments, word by word
    Xvfb -displayfd 3 -noreset -nolisten tcp $args 3> "$folder/display" 2> "$folder/xvfb.log" &
    server=$!
    # The number comes as a whole line once the server takes connections.
    for ((i = 0; i < 200; i++)); do
        read -r number < "$folder/display" && break
        number=
        kill -0 "$server" 2> /dev/null || break
        sleep 0.05
    done
    if [ -z "$number" ]; then
        echo "with_x_server: Xvfb did not start:" >&2
        cat "$folder/xvfb.log" >&2
        kill "$server" 2> /dev/null
        rm -rf "$folder"
        return 1
    fi
    # Under `set -e` a failing client would end the caller here and leave the server running,
    # holding the test's output open until its time runs out.
    status=0
    DISPLAY=:$number "$@" || status=$?
    kill "$server" 2> /dev/null
    end_within 5 "$server" 2> /dev/null
    rm -rf "$folder"
    return "$status"
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

# client_area WINDOW: where a window's client area is on the screen, as X=, Y=, WIDTH=, HEIGHT=
# lines (xdotool's own geometry counts a window manager's frame twice).
client_area() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 }
                             /^ *Width:/ { print "WIDTH=" $2 } /^ *Height:/ { print "HEIGHT=" $2 }'
}
