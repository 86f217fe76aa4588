#!/usr/bin/env bash
# velto-tool report with no display: the report's sections with CR LF lines, the system
# files by level, and a folder that cannot be written.
# Usage: report.sh VELTO-TOOL OUT-FOLDER
set -u
tool=$1
out=$2
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out"
run() { env -u DISPLAY -u WAYLAND_DISPLAY VELTO_PROFILE="$out/profile.ini" "$tool" "$@"; }

run report --level concise "$out/concise.txt" >/dev/null || fail "a concise report failed"
c="$out/concise.txt"
head -1 "$c" | grep -q '^#* Velto Problem Report (Concise) #*'$'\r''$' || fail "heading: $(head -1 "$c")"
for label in 'Platform   : ' 'Processor  : ' 'Memory Status {' '    Phys Total : [0-9]' 'Last Boot  : [0-9]+ (day|hour|minute)' \
             'Drives     :' ' \((local fixed disk|RAM disk|network drive|local removable disk|unknown)\)' \
             'Executable : .*velto-tool' 'END OF REPORT'; do
    grep -Eq "$label" "$c" || fail "concise report lacks $label"
done
grep -q 'Contents of file os-release' "$c" && fail "a concise report includes /etc/os-release"
# Outside the copied files every line ends in CR LF.
sed -n '1,/Installation Summary/p' "$c" | grep -qv $'\r$' && fail "a line without CR LF"

run report --level detailed "$out/detailed.txt" >/dev/null || fail "a detailed report failed"
for label in 'Contents of file os-release' 'Path       : /proc/version' 'Qt Platform: '; do
    grep -q "$label" "$out/detailed.txt" || fail "detailed report lacks $label"
done

msg=$(run report "$out/no/such/folder.txt" 2>&1) && fail "a report into a missing folder succeeded"
grep -q "Can't open report file for writing." <<<"$msg" || fail "the failure said: $msg"
run report --level verbose "$out/x.txt" 2>/dev/null && fail "an unknown level was taken"
exit 0
