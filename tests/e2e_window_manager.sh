#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a window manager (openbox in Xvfb), which frames every window: the menu,
# Help, About, every game window and a second copy's message are centred on the screen with their
# frame, within a pixel;
# About is 1700 twips (113 px) high with its frame; Return on the focused HELP button, reached by
# Tab in the order of the buttons' numbers, opens Help; the eight fixed game windows can be neither
# resized nor maximised and ask for no minimise, while Mark can be all three; every game is left
# by a click on the window manager's close button, the slot machine in the middle of a spin, whose
# payout must be saved. Then the frame test's placement case (its program is the second argument)
# runs under openbox, whose frames differ between fixed and sizable windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11.sh"
program=$1
frame_test=${2:-}
work=$(mktemp -d)
ini=$work/ZelkGame.ini
title="Zelkのゲーム屋さん"
pid=''
summarised=''
trap 'echo "error at line $LINENO" >&2' ERR
trap 'kill $pid 2>/dev/null || true; stop_x; rm -rf "$work"
  [ -n "$summarised" ] || { failed=$((failed + 1)); summary; }' EXIT
die() {
  fail "$*"
  summary
  exit 1
}

cp "$program" "$work/ZelkGame"
start_x
start_wm
unset QT_QPA_PLATFORM
"$work/ZelkGame" &
pid=$!
menu=$(find_window "$title") || die "no menu"
check "the menu is centred with its frame" wait_centred "$menu"
sleep 0.3

# A second copy's message box: centred with its frame as every window, with the arcade's icon;
# Return (OK) ends that copy.
"$work/ZelkGame" &
pid2=$!
if box=$(other_window_named "$title" "$menu" "$pid2"); then
  check "the second copy's message is centred with its frame" wait_centred "$box"
  check "the second copy's message has the arcade's icon" \
    grep -q 'Icon (' <<<"$(xprop -id "$box" _NET_WM_ICON 2>/dev/null)"
  sleep 0.3
  xdotool windowfocus --sync "$box" key Return || fail "Return did not reach the message box"
else
  fail "a second copy showed no message"
fi
check "OK ends the second copy" wait_gone "$pid2" 10
kill "$pid2" 2>/dev/null || true
wait "$pid2" 2>/dev/null || true

# The focus starts on button 1; nine Tabs take it to button 10, HELP.
xdotool windowactivate --sync "$menu" key --delay 20 Tab Tab Tab Tab Tab Tab Tab Tab Tab Return ||
  fail "the keys did not reach the menu"
help=$(find_window "Help" 5) || die "Return on the focused HELP button opened nothing"
check "Help is centred with its frame" wait_centred "$help"
sleep 0.3
press_at "$help" 7200 360 975 495 # Close (in the panel at 0, 0)
check "Close closes Help" wait_hidden "$help" 5

press_at "$menu" 2760 1080 1095 375 # Ver情報
about=$(find_window "About") || die "Ver情報 opened nothing"
check "About is centred with its frame" wait_centred "$about"
read -r _ _ _ about_height <<<"$(frame_geometry "$about")"
about_client=$(xwininfo -id "$about" | sed -n 's/^ *Height: *//p')
echo "About under openbox: client $about_client px, $about_height px with its frame"
check "About is 113 px high with its frame, not $about_height" [ "$about_height" = 113 ]
sleep 0.3
press_at "$about" 1200 840 975 375 # O K (in the panel at -120, 0)
check "O K closes About" wait_hidden "$about" 5

# allowed WINDOW: the actions the window manager allows on the window, one a line.
allowed() {
  xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | sed -n 's/^.* = //p' | tr -d ' ' | tr ',' '\n'
}
# motif_functions WINDOW: the functions the window asks for in its Motif hints (second field).
motif_functions() {
  xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/^.* = //p' | cut -d, -f2 | tr -d ' '
}
lacks() { ! grep -qx "_NET_WM_ACTION_$1" <<<"$actions"; }
# Minimise is 8, maximise 16, close 32.
no_min_max() { [ -n "$functions" ] && [ $((functions & 24)) = 0 ]; }
asks_close() { [ -n "$functions" ] && [ $((functions & 32)) != 0 ]; }

# Each game from its menu button; caption, menu button (twips), sizable or not.
games=(
  "BINGO|120 120 1095 495|fixed"
  "Treasure Hunting|120 840 1095 495|fixed"
  "Roulette|1440 840 1095 495|fixed"
  "Dice|120 1560 1095 495|fixed"
  "Oicyo Kabu|1440 1560 1095 495|fixed"
  "Dog Race|120 2280 1095 495|fixed"
  "Mark|1440 2280 1095 495|sizable"
  "Premium|2760 120 1095 375|fixed"
  "Slot Machine|1440 120 1095 495|fixed"
)
for entry in "${games[@]}"; do
  IFS='|' read -r caption rect kind <<<"$entry"
  # shellcheck disable=SC2086
  press_at "$menu" $rect
  game=$(find_window "$caption") || die "the menu did not open '$caption'"
  check "$caption is centred with its frame" wait_centred "$game"
  actions=$(allowed "$game")
  functions=$(motif_functions "$game")
  if [ "$kind" = sizable ]; then
    for a in MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
      check "$caption allows $a" grep -qx "_NET_WM_ACTION_$a" <<<"$actions"
    done
  else
    for a in MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
      check "$caption does not allow $a" lacks "$a"
    done
    # openbox keeps its minimise button on every window whatever the window asks; the window
    # asks for neither minimise nor maximise in its Motif hints.
    check "$caption asks for no minimise or maximise (functions '$functions')" no_min_max
    # ... and for its close button, which a window manager that honours the hints would drop.
    check "$caption asks for a close button (functions '$functions')" asks_close
  fi
  sleep 0.3
  if [ "$caption" = "Slot Machine" ]; then
    # One credit, and the window closed at once in the middle of the spin.
    press_at "$game" 3240 2280 735 375 # BET
    sleep 0.3
    press_at "$game" 3120 360 855 495 # START
    sleep 0.5
  fi
  click_close_button "$game"
  check "the close button closes $caption" wait_hidden "$game" 5
  find_window "$title" 10 >/dev/null || die "the menu did not come back after $caption"
  check "the menu is centred again after $caption" is_centred "$menu"
done

# The spin closed mid-way was finished unseen: one credit staked, its payout saved.
check "closing the slot machine mid-spin saved the settings file" [ -f "$ini" ]
read_saved
check "the slot machine paid one of 0, 5, 10, 50, 200 for a stake of 1, not $((saved - 99))" \
  one_of $((saved - 99)) 0 5 10 50 200

press_exit "$menu" || die "終了 did not end the program"

if [ -n "$frame_test" ]; then
  check "windows are placed with the frame of their kind under openbox" \
    env QT_QPA_PLATFORM=xcb "$frame_test" placedWithTheFrameOfItsKind
fi

# Under metacity, whose title bar is thick (37 px): the menu and About centred with their frame,
# About's client area never so low that O K is cut (at least 89 px), O K closing it.
stop_wm
start_wm metacity
"$work/ZelkGame" &
pid=$!
menu=$(find_window "$title") || die "no menu under metacity"
check "the menu is centred with its frame under metacity" wait_centred "$menu"
sleep 0.3
press_at "$menu" 2760 1080 1095 375 # Ver情報
about=$(find_window "About") || die "Ver情報 opened nothing under metacity"
check "About is centred with its frame under metacity" wait_centred "$about"
about_client=$(xwininfo -id "$about" | sed -n 's/^ *Height: *//p')
read -r _ _ _ about_height <<<"$(frame_geometry "$about")"
echo "About under metacity: client $about_client px, $about_height px with its frame"
check "About's client area keeps O K whole under metacity: $about_client px, not below 89" \
  [ "$about_client" -ge 89 ]
sleep 0.3
press_at "$about" 1200 840 975 375 # O K (in the panel at -120, 0)
check "O K closes About under metacity" wait_hidden "$about" 5
press_exit "$menu" || die "終了 did not end the program under metacity"

summary
[ "$failed" = 0 ] || exit 1
