#!/usr/bin/env bash
# Installs the arcade into a temporary directory and checks what a desktop needs from it: the
# program, the desktop entry, the icon at every size and the AppStream metadata, run through
# desktop-file-validate and appstreamcli; then starts the installed program from the read-only
# prefix and checks that it keeps its settings in the per-user data directory.
#
#   tools/check-install.sh [build-dir]     (default build-test; configured and built if needed)
#
# Needs the Debian packages desktop-file-utils and appstream. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

app=org.zelk.ZelkGame
build=${1:-build-test}
sizes=(16 24 32 48 64 128 256)
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "check-install: $tool is missing" >&2; exit 1; }
done

if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target ZelkGame app-icons >/dev/null

tmp=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

root=$tmp/root
prefix=/usr
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >/dev/null
usr=$root$prefix
echo "Installed into $root:"
(cd "$root" && find . -type f | sort | sed 's/^\./  /')

# Every file in its place; the PNG icons at their own sizes (width and height from the header).
for f in bin/ZelkGame share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
  share/icons/hicolor/scalable/apps/$app.svg; do
  [ -s "$usr/$f" ] || fail "$f was not installed"
done
[ -x "$usr/bin/ZelkGame" ] || fail "bin/ZelkGame is not executable"
for s in "${sizes[@]}"; do
  png=$usr/share/icons/hicolor/${s}x${s}/apps/$app.png
  if [ ! -s "$png" ]; then
    fail "no ${s}x${s} icon"
    continue
  fi
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "the ${s}x${s} icon is ${w}x${h}"
done

echo "desktop-file-validate:"
desktop-file-validate "$usr/share/applications/$app.desktop" || fail "desktop-file-validate"
echo "appstreamcli validate:"
appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
echo "appstreamcli validate-tree:"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

# An installed copy: the program's directory cannot be written, so the settings go to the
# per-user data directory. The running program holds its lock file beside the settings file.
chmod -R a-w "$root"
chmod 755 "$tmp"
home=$tmp/home
mkdir -p "$home"
run=()
if [ "$(id -u)" -eq 0 ]; then
  # root writes anywhere; run as an ordinary user to see the read-only prefix as a user does.
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  if command -v setpriv >/dev/null && "${run[@]}" true 2>/dev/null; then
    chown 65534:65534 "$home"
  else
    echo "SKIP: the read-only prefix check needs to run as an ordinary user (setpriv)"
    run=(skip)
  fi
fi
if [ "${run[*]-}" != skip ]; then
  lock=$home/.local/share/Zelk/ZelkGame/ZelkGame.ini.lock
  env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    ${run[@]+"${run[@]}"} "$usr/bin/ZelkGame" >"$tmp/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 300); do
    [ -e "$lock" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e "$lock" ]; then
    echo "The installed program keeps its settings in ${lock#"$home"/} under its user's home."
  else
    fail "the installed program made no lock file at $lock"
    cat "$tmp/program.log" >&2
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
  if ls "$usr/bin" | grep -q '^ZelkGame\.ini'; then
    fail "settings written beside the installed program"
  fi
fi

if [ "$failed" -ne 0 ]; then
  echo "check-install: FAILED" >&2
  exit 1
fi
echo "check-install: all passed"
