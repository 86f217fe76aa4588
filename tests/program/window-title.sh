#!/usr/bin/env bash
# The main window's title as the window system shows it: "Velto - DOCUMENT", with nothing
# appended by the toolkit.
# Usage: window-title.sh VELTO WORKDIR
set -u
velto=$1
work=$2
rm -rf "$work"; mkdir -p "$work"
printf '<P>title test</P>\n' > "$work/page.html"
cat > "$work/probe.sh" <<PROBE
#!/usr/bin/env bash
XDG_STATE_HOME="$work/state" VELTO_PROFILE="$work/profile.ini" VELTO_INSTANCE="velto-title-\$\$" "$velto" "$work/page.html" &
pid=\$!
names=""
for i in \$(seq 1 100); do
  names=\$(xwininfo -root -tree 2>/dev/null | grep -o '"Velto[^"]*"' | sort -u)
  grep -q 'page.html' <<<"\$names" && break
  sleep 0.2
done
kill \$pid 2>/dev/null; wait \$pid 2>/dev/null
echo "\$names"
PROBE
chmod +x "$work/probe.sh"
names=$(xvfb-run -a "$work/probe.sh" 2>/dev/null)
grep -qx '"Velto - page.html"' <<<"$names" || { echo "FAIL: window names were: $names"; exit 1; }
grep -q '—' <<<"$names" && { echo "FAIL: a name carries an appended suffix: $names"; exit 1; }
echo ok
