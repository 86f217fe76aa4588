#!/usr/bin/env bash
# The pieces of the Debian package, checked without building it: an install of the build
# holds every file the package lists and works from there; the desktop entry, the AppStream
# metainfo, the MIME types and the manual pages pass their own validators; the manual pages
# describe what the programs' --help lists, no more and no less.
# Usage: package-pieces.sh SOURCE_DIR BUILD_DIR VERSION CMAKE
set -u
src=$1 build=$2 version=$3 cmake=$4
fail() { echo "FAIL: $*"; exit 1; }
for tool in desktop-file-validate appstreamcli update-mime-database man lexgrog strings od; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done
export LC_ALL=C.UTF-8
tmp=$(mktemp -d "${TMPDIR:-/tmp}/velto-package-XXXXXX")
trap 'rm -rf "$tmp"' EXIT
list="$build/package-files.txt"
root="$tmp/usr"

# The install, against the package's list of files.
"$cmake" --install "$build" --prefix "$root" >"$tmp/log" 2>&1 || fail "cmake --install: $(tail -5 "$tmp/log")"
"$cmake" -DTREE="$root" -DLIST="$list" -P "$src/dist/CheckInstallTree.cmake" >"$tmp/log" 2>&1 ||
    fail "$(cat "$tmp/log")"
listed() { grep -E "$1" "$list" | head -1; }
desktop=$root/$(listed '^share/applications/.*\.desktop$')
metainfo=$root/$(listed '^share/metainfo/.*\.metainfo\.xml$')
mime=$root/$(listed '^share/mime/packages/.*\.xml$')
[ -f "$desktop" ] && [ -f "$metainfo" ] && [ -f "$mime" ] || fail "the list names no desktop entry, metainfo or MIME file"

# The programs run from where they are installed: the data is found beside them, and the
# editor looks for its preview module where it was installed.
run() { env -u VELTO_DATA_DIR -u VELTO_WEBENGINE_MODULE -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
            HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/data" VELTO_PROFILE="$tmp/settings.ini" "$@"; }
velto_help=$(run "$root/bin/velto" --help) || fail "the installed velto --help failed"
tool_help=$(run "$root/bin/velto-tool" --help) || fail "the installed velto-tool --help failed"
tip=$(run "$root/bin/velto-tool" tip 2>&1) || fail "the installed velto-tool found no tips: $tip"
[ "$tip" = "$(run "$root/bin/velto-tool" tip --file "$root/share/velto/tips.txt")" ] ||
    fail "the installed velto-tool read its tips from elsewhere than share/velto: $tip"
module=$(listed '/velto-webengine\.so$')
if [ -n "$module" ]; then
    # The path is compiled in as a UTF-16 string literal, relative to the executable.
    looked=$(strings -a -e l "$root/bin/velto" | grep -E '^/\.\./.+/$' | head -1)
    [ -n "$looked" ] || fail "no module folder relative to the executable found in velto"
    [ -f "$root/bin$looked$(basename "$module")" ] ||
        fail "velto looks for its module in bin$looked, the package installs it as $module"
fi

# Icons: PNG files of the size their folder names.
while read -r icon; do
    size=${icon#share/icons/hicolor/}; size=${size%%x*}
    read -r -a head <<<"$(od -An -tu1 -w24 -N24 "$root/$icon")"
    [ "${head[1]}${head[2]}${head[3]}" = 807871 ] || fail "$icon is not a PNG file"
    width=$(( (head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19] ))
    height=$(( (head[20] << 24) | (head[21] << 16) | (head[22] << 8) | head[23] ))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$icon is ${width}x$height"
done < <(grep -E '^share/icons/hicolor/[0-9]+x[0-9]+/apps/velto\.png$' "$list")
grep -qE '^share/icons/hicolor/48x48/' "$list" || fail "the list names no 48x48 icon"

# The desktop entry, the metainfo and the MIME types, each through its validator.
out=$(desktop-file-validate "$desktop" 2>&1)
[ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
mkdir -p "$tmp/share/mime/packages" && cp "$mime" "$tmp/share/mime/packages/"
out=$(XDG_DATA_HOME="$tmp/share" XDG_DATA_DIRS="$tmp/share" update-mime-database "$tmp/share/mime" 2>&1)
[ -z "$out" ] && [ -s "$tmp/share/mime/globs2" ] || fail "update-mime-database: $out"
# They name the same things: the launchable is the desktop entry, the media types are the
# ones the desktop entry opens, the newest release is this version.
launchable=$(grep -oP '<launchable type="desktop-id">\K[^<]+' "$metainfo")
[ "$launchable" = "$(basename "$desktop")" ] || fail "the metainfo launches $launchable"
entry_types=$(grep -oP '^MimeType=\K.*' "$desktop" | tr ';' '\n' | grep . | sort)
info_types=$(grep -oP '<mediatype>\K[^<]+' "$metainfo" | sort)
[ "$entry_types" = "$info_types" ] || fail "the desktop entry opens $(echo $entry_types), the metainfo says $(echo $info_types)"
newest=$(grep -oP '<release version="\K[^"]+' "$metainfo" | head -1)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, the project's version $version"

# The manual pages: no warnings from groff, a NAME line for whatis, and the options and
# commands of --help. A page's entries are the tags of its .TP paragraphs in one section.
tags() { # PAGE SECTION
    zcat -f "$1" | awk -v section="$2" '
        /^\.SH/ { sub(/^\.SH +/, ""); gsub(/"/, ""); inside = ($0 == section); next }
        inside && tag { print; tag = 0; next }
        inside && /^\.TP/ { tag = 1 }' |
        sed -E 's/\\f[BIRP]//g; s/\\-/-/g'
}
# Each entry of --help (a line of the form "TAG" or "TAG  description") matches one tag, and
# each tag an entry.
agree() { # PAGE ENTRIES TAGS
    local entry tag rest found
    declare -A used=()
    while IFS= read -r entry; do
        found=
        while IFS= read -r tag; do
            rest=${entry#"$tag"}
            if [ "$entry" = "$tag" ] || { [ "$rest" != "$entry" ] && [[ $rest =~ ^\ +[a-z] ]]; }; then
                found=1; used[$tag]=1
            fi
        done <<<"$3"
        [ -n "$found" ] || fail "$1 does not describe \"$entry\" as --help lists it"
    done <<<"$2"
    while IFS= read -r tag; do
        [ -n "${used[$tag]:-}" ] || fail "$1 describes \"$tag\", which --help does not list"
    done <<<"$3"
}
for page in $(grep -E '^share/man/man1/' "$list"); do
    out=$(MANWIDTH=80 man --warnings=w -l "$root/$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "$page: $out"
    lexgrog "$root/$page" >/dev/null || fail "$page has no NAME line for whatis"
    case $(basename "$page") in
    velto.1.gz)
        agree velto.1 "$(sed -nE 's/^  +(-)/\1/p' <<<"$velto_help")" "$(tags "$root/$page" OPTIONS)" ;;
    velto-tool.1.gz)
        agree velto-tool.1 "$(sed -nE '/^Commands:/,/^$/s/^  ([a-z])/\1/p' <<<"$tool_help")" \
            "$(tags "$root/$page" COMMANDS)"
        agree velto-tool.1 "$(sed -nE '/^Options:/,/^$/s/^  +(-)/\1/p' <<<"$tool_help")" \
            "$(tags "$root/$page" OPTIONS)" ;;
    *) fail "no --help to hold $page against" ;;
    esac
done
echo "ok"
