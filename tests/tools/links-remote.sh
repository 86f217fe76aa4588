#!/usr/bin/env bash
# velto-tool links --remote against a local server: the broken addresses with their reasons
# among the local problems, each address asked about once, ftp: not checked, the exit status.
# Usage: links-remote.sh VELTO-TOOL TEST-HTTP-SERVER OUT-FOLDER
set -u
tool=$1
server=$2
out=$3
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$out"
mkdir -p "$out/site/docs" || fail "no folder $out"

# start_server sets web; stop_server sets requests to the request lines it answered.
# Bash forgets a coprocess's descriptors once it ends, so the script keeps copies of its own.
start_server() {
    coproc SERVER { "$server"; }
    server_pid=$SERVER_PID
    exec {to_server}>&"${SERVER[1]}" {from_server}<&"${SERVER[0]}"
    exec {SERVER[1]}>&- {SERVER[0]}<&-
    read -r port <&"$from_server" || fail "the test server did not start"
    web="http://127.0.0.1:$port"
}
stop_server() {
    exec {to_server}>&-
    requests=$(cat <&"$from_server")
    exec {from_server}<&-
    wait "$server_pid" 2>/dev/null
}
start_server

printf '<a href="docs/a.html">a</a>\n<a href="%s/ok">ok</a> <a href="%s/missing">gone</a>\n<img src=nothere.png>\n' \
    "$web" "$web" > "$out/site/index.html"
printf '<a href="%s/no-head">x</a>\n<a href="%s/moved">y</a>\n<a href="ftp://127.0.0.1/pub/">z</a>\n<a href="%s/missing">again</a>\n<a href="%s/silent">slow</a>\n' \
    "$web" "$web" "$web" "$web" > "$out/site/docs/a.html"

got=$("$tool" links "$out/site" --remote --timeout 0.5); code=$?
prefix="<a href=\"$web/ok\">ok</a> <a href=\""
expected="$out/site/docs/a.html:3.10: remote-not-checked: ftp://127.0.0.1/pub/ (ftp addresses are not checked)
$out/site/docs/a.html:4.10: remote-broken: $web/missing (HTTP 404 Not Found)
$out/site/docs/a.html:5.10: remote-broken: $web/silent (timed out)
$out/site/index.html:2.$((${#prefix} + 1)): remote-broken: $web/missing (HTTP 404 Not Found)
$out/site/index.html:3.10: missing: nothere.png"
[ "$got" = "$expected" ] || fail "links --remote printed:
$got"
[ "$code" = 1 ] || fail "a broken remote address gave status $code"
stop_server
# The address linked twice was asked about once: HEAD, then GET on its 404.
[ "$(grep -c ' /missing$' <<<"$requests")" = 2 ] || fail "/missing was asked: $requests"
grep -q '^GET /no-head$' <<<"$requests" || fail "no GET after the refused HEAD: $requests"
grep -q '^HEAD /ok$' <<<"$requests" || fail "the redirect was not followed: $requests"

# Without --remote nothing is fetched; only the local problem remains.
got=$("$tool" links "$out/site")
[ "$got" = "$out/site/index.html:3.10: missing: nothere.png" ] || fail "links without --remote printed: $got"

# Time outs are numbers of seconds, and only with --remote.
"$tool" links "$out/site" --remote --timeout soon >/dev/null 2>&1 && fail "--timeout soon was taken"
"$tool" links "$out/site" --timeout 5 >/dev/null 2>&1 && fail "--timeout without --remote was taken"

# All well once the broken links are gone.
start_server
printf '<a href="docs/a.html">a</a> <a href="%s/ok">ok</a>\n' "$web" > "$out/site/index.html"
printf '<a href="%s/moved">y</a>\n' "$web" > "$out/site/docs/a.html"
got=$("$tool" links "$out/site" --remote); code=$?
[ "$code" = 0 ] && [ -z "$got" ] || fail "a sound site gave status $code and: $got"
stop_server
echo ok
