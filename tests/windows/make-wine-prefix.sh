#!/bin/sh
# Creates the Wine prefix named by WINEPREFIX unless it is there already, then
# starts Wine's server and services for the tests that follow.
#   make-wine-prefix.sh <wine> <wineserver>
set -eu
wine=$1
wineserver=$2
# (Its note that the 32-bit half cannot be set up is expected: the tests are 64-bit.)
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot --init
# wineboot returns before the services it started have settled.
"$wineserver" -w
test -f "$WINEPREFIX/system.reg"
# Started once here and kept for a minute after the last program, instead of
# anew for each test; the cleanup test stops them. Their output goes nowhere,
# so that CTest does not wait for them at the end of a test.
"$wineserver" -p60 </dev/null >/dev/null 2>&1
"$wine" cmd /c exit </dev/null >/dev/null 2>&1
