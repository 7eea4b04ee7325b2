# Drives the real agent and the service simulator under an X server, for the
# screenshot tour and the process-level test. Sourced, not run.
#
#   drive_init AGENT SIMULATOR FACTOR
#
# then start_simulator, start_agent, fill/click/key and simulator commands.
# FACTOR is the screen's DPI factor: widget positions are given in design
# pixels of the 900 x 540 window and scaled by it. Everything lives in a
# private temporary folder that is removed, with both processes, on exit.

drive_init() {
    agent_bin=$1 simulator_bin=$2 factor=$3
    work=$(mktemp -d -t lodestar-drive.XXXXXX)
    export LODESTAR_DATA_DIR=$work/data LODESTAR_SERVICE_ENDPOINT=$work/service.sock
    mkdir -p "$LODESTAR_DATA_DIR"
    sim_pid='' agent_pid='' compositor_pid=''
    trap drive_cleanup EXIT
}

drive_cleanup() {
    local pid
    for pid in "$agent_pid" "$sim_pid" "$compositor_pid"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}

fail() {
    echo "${0##*/}: $*" >&2
    echo "--- simulator ---" >&2
    cat "$work/sim.log" >&2 2>/dev/null || true
    echo "--- agent ---" >&2
    cat "$work/agent.log" >&2 2>/dev/null || true
    exit 1
}

# Waits up to 20 s for TEXT to appear in FILE after byte offset FROM.
wait_for() {
    local text=$1 file=$2 from=${3:-0} deadline=$((SECONDS + 20))
    while [ "$SECONDS" -lt "$deadline" ]; do
        tail -c +"$((from + 1))" "$file" 2>/dev/null | grep -qF -- "$text" && return 0
        sleep 0.1
    done
    fail "no \"$text\" in $file"
}

# The simulator reads its console from a pipe held open on descriptor 7.
start_simulator() {
    rm -f "$work/console"
    mkfifo "$work/console"
    "$simulator_bin" --endpoint "$LODESTAR_SERVICE_ENDPOINT" --data-dir "$LODESTAR_DATA_DIR" "$@" \
        <"$work/console" >"$work/sim.log" 2>&1 &
    sim_pid=$!
    exec 7>"$work/console"
    wait_for "listening on" "$work/sim.log"
}

stop_simulator() {
    kill "$sim_pid"
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=''
    exec 7>&-
}

# Waits up to 30 s for the process PID, started by this shell, to end; fails
# unless it exits cleanly. A sanitized build reports leaks and errors as it exits.
wait_clean_exit() {
    local pid=$1 name=$2 status=0
    timeout 30 tail --pid="$pid" -f /dev/null || fail "the $name did not end"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the $name ended with status $status"
}

# Stops the simulator with its own "quit" command.
quit_simulator() {
    echo quit >&7
    wait_clean_exit "$sim_pid" simulator
    sim_pid=''
    exec 7>&-
}

# Sends a console command and waits until the simulator prints EXPECTED.
simulator_ask() {
    local from
    from=$(stat -c %s "$work/sim.log")
    echo "$1" >&7
    wait_for "$2" "$work/sim.log" "$from"
}

# A console command, applied before this returns.
simulator() { simulator_ask "$*" "ok: $*"; }

# The agent draws on this X server at the screen's own DPI, whatever the
# caller's shell exports for Qt's platform, scaling, style or theme.
start_agent() {
    # The edit dialog is a translucent card: without a compositor X draws its
    # transparent border black.
    xcompmgr >/dev/null 2>&1 &
    compositor_pid=$!
    env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_SCALE_FACTOR_ROUNDING_POLICY -u QT_DEVICE_PIXEL_RATIO \
        -u QT_FONT_DPI -u QT_USE_PHYSICAL_DPI -u QT_STYLE_OVERRIDE -u QT_QPA_PLATFORMTHEME \
        QT_QPA_PLATFORM=xcb "$agent_bin" >"$work/agent.log" 2>&1 &
    agent_pid=$!
    timeout 20 xdotool search --sync --onlyvisible --name "Aerum Identity LDAP Sync Agent" >/dev/null \
        || fail "the agent's window did not appear"
}

stop_agent() {
    kill "$agent_pid"
    wait "$agent_pid" 2>/dev/null || true
    agent_pid=''
}

# Ends the agent as a user does, with Escape in its window.
close_agent() {
    key Escape
    wait_clean_exit "$agent_pid" agent
    agent_pid=''
}

# Design pixels to screen pixels.
px() { awk -v n="$1" -v f="$factor" 'BEGIN { print int(n * f) }'; }

# Waits up to 20 s until the screen shows COLOUR (hex, as 00A282) at the
# design position X Y: how a page that is up is seen from outside.
wait_for_colour() {
    local x y deadline=$((SECONDS + 20))
    x=$(px "$1") y=$(px "$2")
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ "$(import -window root -crop "1x1+$x+$y" -depth 8 -format '%[hex:p{0,0}]' info: 2>/dev/null)" = "$3" ] \
            && return 0
        sleep 0.1
    done
    fail "the screen never showed #$3 at $1,$2"
}

# The X server hands the agent pointer and keys in the order they are sent,
# so one action need not wait for the previous one.
click() { xdotool mousemove "$(px "$1")" "$(px "$2")" click 1; }
type_text() { xdotool type --delay 15 -- "$1"; }
key() { xdotool key "$@"; }
# Clicks into a box, empties it and types TEXT.
fill() { click "$1" "$2"; key ctrl+a BackSpace; [ -z "$3" ] || type_text "$3"; }

# Design positions on the LDAP form and the connect page.
ldap_box_x=547 host_y=189 basedn_y=227 binddn_y=265 password_y=303 port_y=379
next_x=450 next_y=429 next_colour=00A282
connect_box_x=547 name_y=275 key_y=315 back_x=381 connect_x=518 buttons_y=365

fill_ldap_form() {
    fill "$ldap_box_x" "$host_y" "$1"
    fill "$ldap_box_x" "$basedn_y" "dc=example,dc=corp,dc=local"
    fill "$ldap_box_x" "$binddn_y" "cn=administrator,dc=example,dc=corp,dc=local"
    fill "$ldap_box_x" "$password_y" "$2"
    fill "$ldap_box_x" "$port_y" "389"
}
