#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a Wayland desktop: weston nested in Xvfb (its x11 back end, the pixman
# renderer), first with the arcade as a native Wayland client, then as an X11 client of weston's
# XWayland, which the arcade chooses itself when a Wayland session offers X11.
#
# Natively, Qt draws the title bars and the compositor places the windows, which the test finds
# on weston's screen (the X window of its output) by what changed there. Every window is opened;
# each fixed window's outer size is its client area and Qt's title bar, nothing cut; a click
# where its maximise button is leaves it as it was and the program running; one slot spin is
# played and saved; every game is left by its title bar's close button; About and Help open
# beside the menu and 終了 ends the program with them.
# Under XWayland: the windows are X11 windows, About's client area keeps O K whole although
# weston reports its shadow as frame, and a spin is played and saved.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11.sh"
program=$1
work=$(mktemp -d)
ini=$work/ZelkGame.ini
title="Zelkのゲーム屋さん"
pid=''
weston_pid=''
summarised=''
trap 'echo "error at line $LINENO" >&2' ERR
trap 'kill $pid 2>/dev/null || true; [ -z "$weston_pid" ] || kill $weston_pid 2>/dev/null || true
  stop_x; rm -rf "$work"; [ -n "$summarised" ] || { failed=$((failed + 1)); summary; }' EXIT
die() {
  fail "$*"
  summary
  exit 1
}

cp "$program" "$work/ZelkGame"
start_x
xdisplay=$DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A plain background and no panel, so that a window is what changes on the screen.
printf '[core]\nxwayland=true\n[shell]\nbackground-color=0xff204060\npanel-position=none\n' \
  >"$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --width=1280 \
  --height=1000 --socket=arcade-wayland >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/arcade-wayland" ] && grep -q 'xserver listening on display' "$work/weston.log" &&
    break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/arcade-wayland" ] || { cat "$work/weston.log" >&2; die "weston did not start"; }
xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1)

# --- Natively on Wayland ------------------------------------------------------------------------

# Qt's own title bar: 30 px above the client area, 3 px borders; its buttons 18 px wide, 5 apart,
# 8 px from the right border, in the middle of the title bar.
deco_w=6 deco_h=33
# shot FILE: weston's screen, with the pointer parked near a corner (weston draws it).
shot() {
  DISPLAY=$xdisplay xdotool mousemove 5 5
  sleep 0.2
  DISPLAY=$xdisplay import -window root -crop 1280x1000+0+0 +repage "$1"
}
# changed A B: prints "width height left top" of what differs between two shots, or nothing.
changed() {
  convert "$1" "$2" -compose difference -composite -threshold 0 -format '%@' info: 2>/dev/null |
    sed -n 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\)$/\1 \2 \3 \4/p' | grep -v '^0 0 ' || true
}
# window_over BEFORE [SECONDS]: waits for the screen to differ from the shot BEFORE by a window
# and to stand still, and sets box to what differs ("width height left top").
window_over() {
  local before=$1 seconds=${2:-10} last=''
  for _ in $(seq $((seconds * 3))); do
    shot "$work/now.png"
    box=$(changed "$before" "$work/now.png")
    # Something smaller than a window is the pointer or a repaint, not a window.
    if [ -n "$box" ] && [ "${box%% *}" -ge 40 ] && [ "$box" = "$last" ]; then return 0; fi
    last=$box
    sleep 0.1
  done
  return 1
}
# click SCREEN-X SCREEN-Y
click() { DISPLAY=$xdisplay xdotool mousemove "$1" "$2" click 1; }
# click_in LEFT TOP WIDTH HEIGHT: the middle of a widget's rect (twips) in the client area of the
# window in box.
click_in() {
  local w h x y
  read -r w h x y <<<"$box"
  click $((x + 3 + ($1 + $3 / 2 + 7) / 15)) $((y + 30 + ($2 + $4 / 2 + 7) / 15))
}
title_button() { # N: 1 close, 2 maximise, 3 minimise
  local w h x y
  read -r w h x y <<<"$box"
  click $((x + w - 3 - 8 - 9 - 23 * ($1 - 1))) $((y + 15))
}
# outer_is WIDTH HEIGHT WHAT: the window in box is the client size plus Qt's title bar and borders.
outer_is() {
  local w h
  read -r w h _ <<<"$box"
  check "$3: $w x $h on the screen, not $(($1 + deco_w)) x $(($2 + deco_h))" \
    [ "$w" = $(($1 + deco_w)) ] && [ "$h" = $(($2 + deco_h)) ]
}
# maximise_does_nothing WHAT [UNDER]: a click on the maximise button, then the pointer over the
# window (a repaint): the program runs on and the window stands as it was. UNDER is the shot of
# what the screen shows without the window (the empty desktop unless given).
maximise_does_nothing() {
  local under=${2:-$work/empty.png}
  local was=$box
  title_button 2
  sleep 0.5
  local w h x y
  read -r w h x y <<<"$box"
  DISPLAY=$xdisplay xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.3 mousemove $((x + 10)) $((y + h - 10))
  sleep 0.7
  check "$1: the program runs on after its maximise button" kill -0 "$pid"
  kill -0 "$pid" 2>/dev/null || die "the program ended: $(tail -n 3 "$work/arcade.log")"
  window_over "$under" 5 || true
  check "$1 stands as it was after its maximise button ($box, not $was)" [ "$box" = "$was" ]
}

# The desktop is ready when its background is drawn.
for _ in $(seq 100); do
  shot "$work/empty.png"
  [ "$(convert "$work/empty.png" -format '%[pixel:p{640,500}]' info:)" = "srgb(32,64,96)" ] && break
done
sleep 0.5
shot "$work/empty.png"
env -u DISPLAY WAYLAND_DISPLAY=arcade-wayland QT_QPA_PLATFORM=wayland "$work/ZelkGame" \
  >"$work/arcade.log" 2>&1 &
pid=$!
window_over "$work/empty.png" 20 || die "no menu on weston's screen"
menu_box=$box
outer_is 268 201 "the menu"
maximise_does_nothing "the menu"
menu_box=$box

# Each game from its menu button, in place of the menu; caption|menu button|client size|fixed.
games=(
  "BINGO|120 120 1095 495|8745 5055|fixed"
  "Treasure Hunting|120 840 1095 495|6675 4245|fixed"
  "Roulette|1440 840 1095 495|5970 5640|fixed"
  "Dice|120 1560 1095 495|9915 5415|fixed"
  "Oicyo Kabu|1440 1560 1095 495|8310 5415|fixed"
  "Dog Race|120 2280 1095 495|8310 3375|fixed"
  "Mark|1440 2280 1095 495|6540 3270|sizable"
  "Premium|2760 120 1095 375|6015 4230|fixed"
  "Slot Machine|1440 120 1095 495|4095 3750|fixed"
)
for entry in "${games[@]}"; do
  IFS='|' read -r caption rect size kind <<<"$entry"
  read -r cw ch <<<"$size"
  box=$menu_box
  # shellcheck disable=SC2086
  click_in $rect
  sleep 0.5
  window_over "$work/empty.png" || die "the menu did not open '$caption'"
  outer_is $(((cw + 7) / 15)) $(((ch + 7) / 15)) "$caption"
  [ "$kind" = fixed ] && maximise_does_nothing "$caption"
  if [ "$caption" = "Slot Machine" ]; then
    read_saved
    before=$saved
    click_in 3240 2280 735 375 # BET
    sleep 0.3
    click_in 3120 360 855 495 # START
    sleep 5
    read_saved
    check "a spin under Wayland is saved: CREDIT $saved after $before" \
      one_of $((saved - before + 1)) 0 5 10 50 200
  fi
  title_button 1 # close
  window_over "$work/empty.png" || die "'$caption' did not close by its title bar"
  check "the menu comes back after '$caption' ($box)" [ "${box%% *}" = "${menu_box%% *}" ]
  menu_box=$box
done

# About and Help open beside the menu, where weston likes; they stay open until 終了 ends the
# program with them.
for entry in "About|2760 1080 1095 375" "Help|2760 1320 1095 375"; do
  IFS='|' read -r what rect <<<"$entry"
  box=$menu_box
  shot "$work/menu.png"
  # shellcheck disable=SC2086
  click_in $rect
  # The other window may lie over the button: what counts is that opening one ends nothing.
  window_over "$work/menu.png" 3 || echo "(no $what seen: the button may lie under the other window)"
  check "the program runs with $what open" kill -0 "$pid"
done
box=$menu_box

click_in 2760 1680 1095 375 # 終了
wait_gone "$pid" 10 || die "終了 did not end the program"
status=0
wait "$pid" || status=$?
pid=''
check "the program ended with status 0, not $status" [ "$status" = 0 ]
[ "$status" = 0 ] || tail -n 60 "$work/arcade.log" >&2
no_protocol_error() { ! grep -q 'Protocol error' "$work/arcade.log"; }
check "no Wayland protocol error" no_protocol_error

# --- As an X11 client of XWayland ---------------------------------------------------------------

export DISPLAY=$xwayland
unset QT_QPA_PLATFORM # the program chooses X11 itself
# weston starts XWayland at the first connection: it must answer before the program looks.
for _ in $(seq 300); do
  xprop -root >/dev/null 2>&1 && break
  sleep 0.1
done
xprop -root >/dev/null 2>&1 || die "weston's XWayland did not answer"
WAYLAND_DISPLAY=arcade-wayland "$work/ZelkGame" >"$work/arcade.log" 2>&1 &
pid=$!
menu=$(find_window "$title") || die "under XWayland the menu is no X11 window: $(cat "$work/arcade.log")"
read -r _ _ mw mh <<<"$(frame_geometry "$menu")"
sleep 0.5
press_at "$menu" 2760 1080 1095 375 # Ver情報
about=$(find_window "About") || die "Ver情報 opened nothing under XWayland"
about_h=$(xwininfo -id "$about" | sed -n 's/^ *Height: *//p')
check "under XWayland About's client area is 89 to 113 px high, not $about_h" \
  [ "$about_h" -ge 89 ] && [ "$about_h" -le 113 ]
press_at "$about" 1200 840 975 375 # O K
check "O K closes About under XWayland" wait_hidden "$about" 5
press_at "$menu" 1440 120 1095 495 # スロット
slot=$(find_window "Slot Machine") || die "no slot machine under XWayland"
sleep 0.5
read_saved
before=$saved
press_at "$slot" 3240 2280 735 375 # BET
sleep 0.3
press_at "$slot" 3120 360 855 495 # START
sleep 5
read_saved
check "a spin under XWayland is saved: CREDIT $saved after $before" \
  one_of $((saved - before + 1)) 0 5 10 50 200
echo "under XWayland: menu $mw x $mh, About's client $about_h px high, CREDIT $saved after a spin"
press_until_hidden "$slot" 240 3120 1095 495 10 || fail "PLAY OUT did not leave under XWayland"
menu=$(find_window "$title" 10) || die "the menu did not come back under XWayland"
press_exit "$menu" || die "終了 did not end the program under XWayland"

summary
[ "$failed" = 0 ] || exit 1
