#!/usr/bin/env bash
# The real agent read over the accessibility bus (AT-SPI), as a screen reader
# reads it, and driven by key presses alone: under Xvfb, on a private session
# bus that starts its own AT-SPI bus and registry. Every focusable control of
# the LDAP form and the connect page must carry its role and name; Tab, typing
# and Space must lead from the form to "Approval Required".
#
#   test-accessibility-bus.sh AGENT SIMULATOR    (under xvfb-run and dbus-run-session)
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../../scripts/agent-drive.sh"
drive_init "$1" "$2" 1.0
export LC_ALL=C.UTF-8
unset LANGUAGE
# Qt reaches the bus itself only when a screen reader is announced; here the
# probe stands in for one.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
probe() { /usr/bin/python3 "$here/atspi-probe.py" "$@" || fail "accessibility probe: $*"; }

# The focusable controls shown now must be exactly EXPECTED (role, name and
# labelling caption, tab-separated; one per line, in any order). A combo box
# is named by its value: screen readers announce it by its caption.
expect_controls() {
    local page=$1 expected=$2 actual
    actual=$(probe controls | sort)
    expected=$(sort <<<"$expected")
    [ "$actual" = "$expected" ] \
        || fail "$page over the accessibility bus:"$'\n'"$(diff <(echo "$expected") <(echo "$actual") || true)"
}

start_simulator
start_agent
# Keys go where the X server's focus is; no window manager gives it here.
window=$(xdotool search --onlyvisible --name "Aerum Identity LDAP Sync Agent" | head -n 1)
xdotool windowfocus --sync "$window"

# The form appears with the keyboard in its first box.
probe wait-focus text "LDAP local IP"
expect_controls "the LDAP form" "$(printf '%s\t%s\t%s\n' \
    text "LDAP local IP" "LDAP local IP" text "Base DN" "Base DN" text "Bind DN" "Bind DN" \
    "password text" "Bind DN password" "Bind DN password" "combo box" "  LDAP" Protocol \
    text Port Port "push button" Next "")"

# Typed into each box in turn; the protocol is left as it is.
xdotool type --delay 15 "10.1.2.3"
key Tab
xdotool type --delay 15 "dc=example,dc=corp,dc=local"
key Tab
xdotool type --delay 15 "cn=administrator,dc=example,dc=corp,dc=local"
key Tab
xdotool type --delay 15 "Bus-Test-Pw-7a2e"
key Tab
probe wait-focus "combo box" "  LDAP"
key Tab
xdotool type --delay 15 "389"
key Tab
probe wait-focus "push button" Next
key space
wait_for "request: set_ldap_info" "$work/sim.log"

probe wait-focus text "Server display name"
description="Enter the following information to authorize your LDAP server with Aerum Identity. Refer to this article to learn how to get a connect key."
expect_controls "the connect page" "$(printf '%s\t%s\t%s\n' \
    label "$description" "" text "Server display name" "Server display name" \
    text "Connect key" "Connect key" "push button" Back "" "push button" Connect "")"
xdotool type --delay 15 "dc01.example.corp.local"
key Tab
xdotool type --delay 15 "DEMO-CONNECT-KEY"
key Tab Tab
probe wait-focus "push button" Connect
key space
wait_for "request: register" "$work/sim.log"
probe wait-shown label "Approval Required"

close_agent
quit_simulator
echo "PASS: the form and the connect page read and driven over the accessibility bus"
