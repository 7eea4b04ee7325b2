#!/usr/bin/env bash
# The real agent under a real X server. xdotool fills the LDAP form and
# presses Next; the simulator must hold exactly what was typed, and the bind
# password must appear nowhere the agent writes.
#
#   test-agent-process.sh AGENT SIMULATOR      (under xvfb-run)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/agent-drive.sh"
drive_init "$1" "$2" 1.0
# The positions it clicks are those of the English form.
export LC_ALL=C.UTF-8
unset LANGUAGE
password='Process-Test-Pw-93c1'

start_simulator
start_agent
# The first status reply moves the agent to the form: its Next button shows
# (looked at left of its caption).
wait_for_colour "$((next_x - 50))" "$next_y" "$next_colour"

fill_ldap_form "10.1.2.3" "$password"
click "$next_x" "$next_y"
wait_for "request: set_ldap_info" "$work/sim.log"
simulator_ask status 'ldap: ldap://10.1.2.3:389 basedn "dc=example,dc=corp,dc=local" binddn "cn=administrator,dc=example,dc=corp,dc=local" password (set)'
simulator_ask status "has_config: yes"

# Both end by their own hand, so that a sanitized build checks them as they exit.
close_agent
quit_simulator
log=$LODESTAR_DATA_DIR/log/ui/ui.txt
grep -qF "Application start" "$log" || fail "no start line in $log"
if grep -qF "$password" "$work/agent.log" "$log"; then
    fail "the bind password reached the agent's output or log"
fi
echo "PASS: the simulator received the form as typed"
