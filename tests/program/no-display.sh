#!/usr/bin/env bash
# The editor with no display at all, as over ssh: --help and --version answer, a plain
# start says why it cannot run, and nothing aborts.
# Usage: no-display.sh VELTO
set -u
velto=$1
fail() { echo "FAIL: $*"; exit 1; }
profile="${TMPDIR:-/tmp}/velto-no-display-$$.ini"
trap 'rm -f "$profile"' EXIT
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM VELTO_INSTANCE="velto-test-$$" VELTO_PROFILE="$profile" "$velto" "$@"; }

out=$(run --help 2>&1); status=$?
[ $status -eq 0 ] || fail "--help exited $status: $out"
grep -q '^Usage: velto' <<<"$out" || fail "--help printed: $out"

out=$(run --version 2>&1); status=$?
[ $status -eq 0 ] || fail "--version exited $status: $out"
grep -Eq '^velto [0-9]+\.[0-9]+' <<<"$out" || fail "--version printed: $out"

out=$(run page.html 2>&1); status=$?
[ $status -eq 1 ] || fail "a plain start exited $status: $out"
[ "$(wc -l <<<"$out")" -eq 1 ] || fail "a plain start printed more than one line: $out"
grep -q '^velto: cannot connect to a display' <<<"$out" || fail "a plain start printed: $out"

# Printing shows no window: it runs offscreen (whether a printer exists is the machine's).
printf '<P>x</P>\n' > "${TMPDIR:-/tmp}/velto-no-display-$$.html"
out=$(run -p "${TMPDIR:-/tmp}/velto-no-display-$$.html" 2>&1); status=$?
rm -f "${TMPDIR:-/tmp}/velto-no-display-$$.html"
[ $status -lt 128 ] || fail "printing without a display died with $status: $out"
grep -q 'cannot connect' <<<"$out" && fail "printing asked for a display: $out"

# A display that is named but not there: Qt's own abort becomes the same clear line.
out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 VELTO_INSTANCE="velto-test-$$" \
      "$velto" page.html 2>&1); status=$?
[ $status -eq 1 ] || fail "a start on a missing display exited $status: $out"
grep -q '^velto: cannot connect to a display (DISPLAY=:987)' <<<"$out" || fail "missing display: $out"
echo "ok"
