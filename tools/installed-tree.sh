# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of an installed arcade, shared by tools/check-install.sh (a prefix install) and
# tools/check-package.sh (the extracted Debian package). Sourced, not run:
#
#   source tools/installed-tree.sh      makes $tmp (removed on exit) and the functions below
#   check_tree ROOT BINDIR              the program in ROOT/usr/BINDIR, the desktop entry, the
#                                       icon at every size and the AppStream metadata, run
#                                       through desktop-file-validate and appstreamcli
#   check_runs_per_user ROOT BINDIR     makes ROOT read-only, starts the program in it headless
#                                       and checks that it keeps its lock and saves its
#                                       settings per user
#   finish NAME                         reports and exits non-zero if any check failed
#
# Needs the Debian packages desktop-file-utils, appstream, xvfb and xdotool.

app=org.zelk.ZelkGame
icon_sizes=(16 24 32 48 64 128 256)
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

for tool in desktop-file-validate appstreamcli Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 1; }
done

tmp=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

check_tree() {
  local root=$1 bindir=$2
  local usr=$root/usr
  # Every file in its place; the PNG icons at their own sizes (width and height from the header).
  for f in "$bindir/ZelkGame" share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app.svg; do
    [ -s "$usr/$f" ] || fail "$f was not installed"
  done
  [ -x "$usr/$bindir/ZelkGame" ] || fail "$bindir/ZelkGame is not executable"
  local s png w h
  for s in "${icon_sizes[@]}"; do
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
}

# An installed copy: the program's directory cannot be written, so the settings go to the
# per-user data directory. Started headless, the running program holds its lock file there; in
# an X server (Xvfb), "終了" clicked on the menu saves the first balance there and ends it.
check_runs_per_user() {
  local root=$1 bindir=$2
  local program=$root/usr/$bindir/ZelkGame
  chmod -R a-w "$root"
  chmod 755 "$tmp"
  local home
  home=$(mktemp -d "$tmp/home.XXXX")
  chmod 755 "$home"
  local run=()
  if [ "$(id -u)" -eq 0 ]; then
    # root writes anywhere; run as an ordinary user to see the read-only tree as a user does.
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if command -v setpriv >/dev/null && "${run[@]}" true 2>/dev/null; then
      chown 65534:65534 "$home"
    else
      echo "SKIP: the read-only check needs to run as an ordinary user (setpriv)"
      return 0
    fi
  fi
  local dir=$home/.local/share/Zelk/ZelkGame
  env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" QT_QPA_PLATFORM=offscreen \
    ${run[@]+"${run[@]}"} "$program" >"$home.log" 2>&1 &
  pid=$!
  for _ in $(seq 300); do
    [ -e "$dir/ZelkGame.ini.lock" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e "$dir/ZelkGame.ini.lock" ]; then
    echo "The installed program keeps its lock in ${dir#"$home"/} under its user's home."
  else
    fail "the installed program made no lock file in $dir"
    cat "$home.log" >&2
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=

  (
    . tests/x11.sh
    trap stop_x EXIT
    # Without access control, so that the program can run as another user than the server.
    start_x -ac
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" DISPLAY="$DISPLAY" \
      ${run[@]+"${run[@]}"} "$program" >>"$home.log" 2>&1 &
    program_pid=$!
    menu=$(find_window "Zelkのゲーム屋さん") || exit 1
    # 終了, at its place on the menu; repeated until the program ends, as a window just mapped
    # may not take input yet.
    for _ in $(seq 20); do
      click_at "$menu" 2760 1680 1095 375 2>/dev/null || true
      wait_gone "$program_pid" 1 2>/dev/null && exit 0
    done
    kill "$program_pid" 2>/dev/null
    exit 1
  ) || fail "the installed program did not end by its menu's exit button"
  local expected=$'[MAIN]\nCREDIT= 100\nBACK= 2063\nMIRROR= 1222'
  if [ "$(cat "$dir/ZelkGame.ini" 2>/dev/null)" = "$expected" ]; then
    echo "It saves its settings in ${dir#"$home"/}/ZelkGame.ini under its user's home."
  else
    fail "the installed program saved no first balance in $dir/ZelkGame.ini"
    cat "$home.log" >&2
  fi
  if ls "$(dirname "$program")" | grep -q '^ZelkGame\.ini'; then
    fail "settings written beside the installed program"
  fi
}

finish() {
  if [ "$failed" -ne 0 ]; then
    echo "$1: FAILED" >&2
    exit 1
  fi
  echo "$1: all passed"
}
