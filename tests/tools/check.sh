#!/usr/bin/env bash
# velto-tool check: the GNU and JSON formats, the version selection and the exit status
# (1 when an error was found, 0 for warnings and notes only, 2 for a file not read).
# Usage: check.sh VELTO-TOOL OUT-FOLDER
set -u
tool=$1
out=$2
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out"
cd "$out" || fail "no folder $out"

head='<!DOCTYPE html>\n<html lang="en"><head><title>t</title></head><body>\n'
printf "$head"'<div><span>\xc3\xa9t\xc3\xa9</div>\n</body></html>\n' > faulty.html
printf "$head"'<p>fine\n</body></html>\n' > valid.html
printf "$head"'<img src="gone.png" alt="x">\n</body></html>\n' > warning.html
printf '<p>no doctype, title or language\n' > info.html
printf '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2 Final//EN">\n<TITLE>t</TITLE>\n<FONT SIZE=2>old</FONT>\n' > old.html

status() { "$tool" check "$@" >/dev/null 2>&1; echo $?; }

got=$("$tool" check valid.html); code=$?
[ "$code" = 0 ] && [ -z "$got" ] || fail "a valid page gave status $code and: $got"
got=$("$tool" check faulty.html); code=$?
[ "$code" = 1 ] || fail "an error gave status $code"
# Columns count characters: the three of "été" before "</div>" are three, not five.
expected='faulty.html:3.6-3.11: error: SPAN is never closed: </span> is missing before </div> [unclosed-element]
faulty.html:3.15-3.20: note: SPAN is closed here, as the page stands [unclosed-element]'
[ "$got" = "$expected" ] || fail "the GNU format gave: $got"
[ "$(status warning.html)" = 0 ] || fail "a warning alone failed the page"
"$tool" check warning.html | grep -q '^warning.html:3.11-3.18: warning: .*\[missing-file\]$' || fail "no warning for gone.png"
[ "$(status info.html)" = 0 ] || fail "notes alone failed the page"
[ "$(status valid.html no-such-file.html)" = 2 ] || fail "an unreadable file did not give 2"
[ "$(status faulty.html no-such-file.html)" = 2 ] || fail "an error hid the unreadable file"
msg=$("$tool" check no-such-file.html 2>&1 >/dev/null)
grep -q "no-such-file.html" <<<"$msg" || fail "the unreadable file was not named: $msg"

# Versions: FONT is HTML 3.2, obsolete in HTML5; by short or full names.
[ "$(status --versions html3.2 old.html)" = 0 ] || fail "FONT failed under HTML 3.2"
[ "$(status --versions "HTML v3.2" old.html)" = 0 ] || fail "the full name of HTML 3.2 was refused"
"$tool" check old.html --versions html5 | grep -q 'FONT is obsolete in HTML5.*\[element-version\]' ||
    fail "FONT passed under HTML5"
[ "$(status --versions html9 old.html)" = 2 ] || fail "an unknown version was taken"
[ "$(status --format xml old.html)" = 2 ] || fail "an unknown format was taken"
[ "$(status)" = 2 ] || fail "no file was taken"

# JSON: one object with a member per file, problems with places in lines and bytes.
json=$("$tool" check --format json valid.html faulty.html)
[ $? = 1 ] || fail "JSON changed the status"
grep -q '^{"files": \[$' <<<"$json" || fail "JSON did not open with its files: $json"
grep -q '{"file": "valid.html", "encoding": "UTF-8", "problems": \[\]}' <<<"$json" || fail "no empty list for the valid page: $json"
grep -q '"rule": "unclosed-element", "severity": "error", "message": "SPAN is never closed: </span> is missing before </div>", "start": {"line": 3, "column": 6, "offset": 73}' <<<"$json" ||
    fail "the problem in JSON: $json"
grep -q '"related": {"note": "SPAN is closed here, as the page stands"' <<<"$json" || fail "no related place in JSON"
grep -q '{"file": "faulty.html", "encoding": "UTF-8", "problems"' <<<"$json" || fail "no encoding in JSON: $json"

# Pages are read in their own encoding: the windows-1252 "\xe9" is one character, the
# message quotes it in UTF-8, and the offsets count the text in UTF-8 (two bytes for it).
printf '<!DOCTYPE html>\n<html lang="fr"><head><meta charset="windows-1252"><title>t</title></head><body>\n<p>\xe9t\xe9 <zz id="\xe9">x</zz>\n</body></html>\n' > latin.html
got=$("$tool" check latin.html)
grep -q '^latin.html:3.8-3.18: error: .*\[unknown-element\]$' <<<"$got" || fail "the windows-1252 page gave: $got"
json=$("$tool" check --format json latin.html)
grep -q '"encoding": "windows-1252"' <<<"$json" || fail "the encoding of the windows-1252 page: $json"
grep -q '"start": {"line": 3, "column": 8, "offset": 106}' <<<"$json" || fail "the offsets of the windows-1252 page: $json"
# Read as UTF-8, its bytes are kept raw, and the offsets are the file's own.
json=$("$tool" check --encoding UTF-8 --format json latin.html)
grep -q '"encoding": "UTF-8 (raw bytes)"' <<<"$json" || fail "--encoding was not taken: $json"
grep -q '"start": {"line": 3, "column": 8, "offset": 104}' <<<"$json" || fail "the raw offsets: $json"
[ "$(status --encoding no-such-encoding latin.html)" = 2 ] || fail "an unknown encoding was taken"
echo ok
