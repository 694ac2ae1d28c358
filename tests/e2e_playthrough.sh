#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server, in a fresh directory, played by mouse clicks at the
# windows' own places: a second copy is refused while the first runs on; every game is played
# once from the menu (stake, play, wait for the result, leave); Help opens a game from its topic;
# About opens and closes; "終了" ends the run. Chance is real, so every outcome of a play must pass:
# after each play the settings file must hold the balance before it, minus the stake, plus one of
# the payouts the game's rules allow for that stake, with BACK and MIRROR matching. At the end the
# file holds the balance that all of this adds up to, and the dog-race and puzzle keys.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/x11.sh"
program=$1
work=$(mktemp -d)
ini=$work/ZelkGame.ini
title="Zelkのゲーム屋さん"
pid='' pid2=''
summarised=''
# A step that fails outside the checks ends the run as a failure, with the summary.
trap 'echo "error at line $LINENO" >&2' ERR
trap 'kill $pid $pid2 2>/dev/null || true; stop_x; rm -rf "$work"
  [ -n "$summarised" ] || { failed=$((failed + 1)); summary; }' EXIT

# die MESSAGE: a step the rest of the run cannot do without failed.
die() {
  fail "$*"
  if [ -f "$ini" ]; then printf 'settings file:\n%s\n' "$(cat "$ini")" >&2; fi
  summary
  exit 1
}

# file_state: what changes whenever the program writes the settings file.
file_state() {
  if [ -f "$ini" ]; then
    stat -c '%i %y %s' "$ini"
    md5sum <"$ini"
  else
    echo none
  fi
}

# The balance the program holds, as far as the file and the plays have shown it, and what the
# plays staked and paid.
balance=100 staked=0 paid=0

# settle GAME STAKE BEFORE PAYOUTS...: the play just left must have saved the settings file with
# the balance less STAKE plus one of PAYOUTS.
settle() {
  local game=$1 stake=$2 before=$3 after payout
  shift 3
  check "$game saved the balance after its play" [ "$(file_state)" != "$before" ]
  read_saved
  after=$saved
  payout=$((after - balance + stake))
  if one_of "$payout" "$@"; then
    pass
    echo "$game: staked $stake, paid $payout (${SECONDS}s)"
  else
    fail "$game: the balance went from $balance to $after for a stake of $stake: a payout of $payout, not one of: $*"
  fi
  staked=$((staked + stake))
  paid=$((paid + payout))
  balance=$after
}

cp "$program" "$work/ZelkGame"
start_x
unset QT_QPA_PLATFORM
"$work/ZelkGame" &
pid=$!
menu=$(find_window "$title") || die "no menu"
sleep 0.5

# A second copy: its message box carries the menu's title and belongs to the second process;
# OK ends that process, and the first one runs on without its files touched.
"$work/ZelkGame" &
pid2=$!
if box=$(other_window_named "$title" "$menu" "$pid2"); then
  pass
  check "the message box belongs to the second copy" [ "$(window_pid "$box")" = "$pid2" ]
  check "the message box is a dialog" \
    [ "$(window_type "$box" | cut -d, -f1)" = _NET_WM_WINDOW_TYPE_DIALOG ]
  check "the menu belongs to the first copy" [ "$(window_pid "$menu")" = "$pid" ]
  sleep 0.3
  xdotool windowfocus --sync "$box" key Return || fail "Return did not reach the message box"
else
  fail "a second copy showed no message"
fi
if wait_gone "$pid2" 10; then
  status=0
  wait "$pid2" || status=$?
  check "the second copy ended with status 0, not $status" [ "$status" = 0 ]
else
  fail "the second copy did not end on OK"
  kill "$pid2" 2>/dev/null || true
  wait "$pid2" 2>/dev/null || true
fi
pid2=''
check "the first copy runs on" kill -0 "$pid"
check "the menu is still shown" is_viewable "$menu"
check "the second copy wrote no settings file" [ ! -e "$ini" ]
check "the first copy's lock is still there" [ -e "$ini.lock" ]

# open_game BUTTON-RECT... CAPTION: a menu button opens the game in place of the menu.
open_game() {
  local caption=$5
  press_at "$menu" "$1" "$2" "$3" "$4"
  game=$(find_window "$caption") || die "the menu did not open '$caption'"
  wait_hidden "$menu" 5 || fail "the menu stayed on screen with '$caption'"
  sleep 0.3
}
# leave_game LEAVE-RECT... SECONDS: presses the leave button until it acts (it is disabled until
# the play is over); the menu comes back.
leave_game() {
  press_until_hidden "$game" "$@" || die "the game window did not close"
  find_window "$title" 10 >/dev/null || die "the menu did not come back"
}

# Slot machine: one credit; three equal flags pay 200, 50, 10 or 5 times the stake.
before=$(file_state)
open_game 1440 120 1095 495 "Slot Machine"
press_at "$game" 3240 2280 735 375 # BET
sleep 0.3
press_at "$game" 3120 360 855 495 # START
sleep 3
leave_game 240 3120 1095 495 30 # PLAY OUT
settle "Slot machine" 1 "$before" 0 5 10 50 200

# Treasure hunting: one credit, one chest. An empty chest loses the stake and saves; a chest
# with gold asks whether to go on, and "No" takes twice the stake and saves. The place of
# "No" lies over a chest that is disabled whenever the question is not up, so pressing it there
# is harmless in every other state.
before=$(file_state)
open_game 120 840 1095 495 "Treasure Hunting"
press_at "$game" 5640 240 735 375 # BET
sleep 0.3
press_at "$game" 5280 840 975 375 # START
sleep 0.3
press_at "$game" 240 120 675 600 # the first chest
sleep 2
deadline=$((SECONDS + 30))
until ! is_viewable "$game"; do
  [ "$SECONDS" -lt "$deadline" ] || die "the treasure hunt did not end"
  press_at "$game" 2640 2040 975 375 || true # No
  sleep 0.5
  press_at "$game" 5040 3720 1215 375 || true # PLAY OUT
  wait_hidden "$game" 3 || true
done
find_window "$title" 10 >/dev/null || die "the menu did not come back"
settle "Treasure hunting" 1 "$before" 0 2

# Roulette: one credit on 2; a stop on a 2 pays 2, any other stop nothing.
before=$(file_state)
open_game 1440 840 1095 495 "Roulette"
press_at "$game" 120 4920 855 495 # 2
sleep 0.3
press_at "$game" 4680 1800 1095 735 # START
sleep 5
leave_game 4680 240 1095 495 30 # PLAY OUT
settle "Roulette" 1 "$before" 0 2

# Dice: one credit on field A, which pays 9 when the throw falls in it.
before=$(file_state)
open_game 120 1560 1095 495 "Dice"
press_at "$game" 5760 240 375 375 # A
sleep 0.3
press_at "$game" 7560 4560 855 375 # START
sleep 2.5
leave_game 8760 360 1095 495 30 # PLAY OUT
settle "Dice" 1 "$before" 0 9

# Oicho-Kabu: one credit on the first hand, which stands on two cards: a loss pays 0, a tie 1,
# a win 2, three of a kind 5.
before=$(file_state)
open_game 1440 1560 1095 495 "Oicyo Kabu"
press_at "$game" 480 4680 615 375 # BET of the first hand
sleep 0.3
press_at "$game" 7080 1080 1095 615 # START
sleep 0.3
press_at "$game" 480 4080 615 375 # OK of the first hand
sleep 3
leave_game 7080 240 1095 495 30 # PLAY OUT
settle "Oicho-Kabu" 1 "$before" 0 1 2 5

# Dog race: one credit on "１－２", which pays its odds when lanes 1 and 2 take the first two
# places. The odds of a pair are the sum of two of the types' factors, Int(S / score - 1), from the
# scores in the file (their defaults before the first race), held to 1..99.
read_scores() {
  local key defaults=(16 23 33 26 17) i v
  scores=()
  for i in 0 1 2 3 4; do
    key="TYPE-$((i + 1))"
    v=$(ini_value "$key")
    scores+=("${v:-${defaults[$i]}}")
  done
}
read_scores
score_sum=$((scores[0] + scores[1] + scores[2] + scores[3] + scores[4]))
odds=(0)
for a in 0 1 2 3 4; do
  for b in 0 1 2 3 4; do
    [ "$a" -lt "$b" ] || continue
    o=$((score_sum / scores[a] - 1 + score_sum / scores[b] - 1))
    [ "$o" -ge 1 ] || o=1
    [ "$o" -le 99 ] || o=99
    odds+=("$o")
  done
done
before=$(file_state)
open_game 120 2280 1095 495 "Dog Race"
press_at "$game" 1200 480 735 375 # １－２ (on the betting panel at 1080, 120)
sleep 0.3
press_at "$game" 120 2760 1215 495 # START
sleep 4
leave_game 7080 2760 1095 495 60 # PLAY OUT
settle "Dog race" 1 "$before" "${odds[@]}"
old_sum=$score_sum
read_scores
check "the dog race raised the type scores by 2 in all (${scores[*]})" \
  [ "$((scores[0] + scores[1] + scores[2] + scores[3] + scores[4]))" = "$((old_sum + 2))" ]

# Mark: one credit on hearts, hearts, hearts in combination; the third heart on the 3rd, 4th or
# 5th card pays 15, 6 or 3.
before=$(file_state)
open_game 1440 2280 1095 495 "Mark"
press_at "$game" 4920 1920 615 375 # BET
sleep 0.3
press_at "$game" 5280 240 1095 495 # START
sleep 4
leave_game 5400 2640 1095 495 30 # PLAY OUT
settle "Mark" 1 "$before" 0 3 6 15

# Premium: one piece for 50 credits, saved before the selection; STOP picks the piece; "Close"
# stores it under its key.
before=$(file_state)
open_game 2760 120 1095 375 "Premium"
press_at "$game" 4680 840 1215 495 # 50 BET
for _ in $(seq 100); do
  [ "$(file_state)" = "$before" ] || break
  sleep 0.1
done
settle "Premium" 50 "$before" 0
sleep 0.5
deadline=$((SECONDS + 30))
until ! is_viewable "$game"; do
  [ "$SECONDS" -lt "$deadline" ] || die "the puzzle window did not close"
  press_at "$game" 4800 2040 975 495 || true # STOP
  sleep 1
  press_at "$game" 4680 120 1215 495 || true # Close
  wait_hidden "$game" 3 || true
done
find_window "$title" 10 >/dev/null || die "the menu did not come back"
owned=0
offsets=(1192 1600 794 1919 1970 5371 255 1092 2 653 58 0 3351 298 8948 1001)
letters=(A B C D E F G H I J K L M N O P)
for k in $(seq 0 15); do
  v=$(ini_value "TYPE-${letters[$k]}")
  if [ "$v" = "$((offsets[k] + 1))" ]; then
    owned=$((owned + 1))
  elif [ "$v" != "${offsets[$k]}" ]; then
    fail "TYPE-${letters[$k]} holds '$v'"
  fi
done
check "the puzzle keys hold one piece bought, not $owned" [ "$owned" = 1 ]

# Bingo: one credit on card A, then twelve draws (about 56 seconds). A card pays the odds of the
# draw that completed its first line (500 down to 2) times its lines.
bingo=(0)
for o in 500 250 120 60 30 16 8 4 2; do
  for l in $(seq 12); do bingo+=($((o * l))); done
done
before=$(file_state)
open_game 120 120 1095 495 "BINGO"
press_at "$game" 4920 600 375 375 # A (in the bet table at 4800, 240)
sleep 0.3
press_at "$game" 6840 3960 1095 495 # START
sleep 50
leave_game 6840 4560 1095 375 60 # PLAY OUT
settle "Bingo" 1 "$before" "${bingo[@]}"

# Help: the topic "・ スロット" opens the slot machine in place of Help and the menu; leaving it
# brings back the menu, not Help.
before=$(file_state)
press_at "$menu" 2760 600 1095 375 # HELP
help=$(find_window "Help") || die "HELP opened nothing"
check "the menu stays beside Help" is_viewable "$menu"
sleep 0.3
press_at "$help" 240 2040 1095 375 # ・ スロット
game=$(find_window "Slot Machine") || die "the Help topic opened nothing"
check "Help closes when it opens a game" wait_hidden "$help" 5
check "the menu hides when Help opens a game" wait_hidden "$menu" 5
sleep 0.3
leave_game 240 3120 1095 495 10 # PLAY OUT
check "Help stays closed after the game" [ -z "$(windows_named Help)" ]
check "opening and leaving a game without a play saves nothing" [ "$(file_state)" = "$before" ]

# About: "Ver情報" opens it beside the menu, "O K" closes it.
press_at "$menu" 2760 1080 1095 375 # Ver情報
about=$(find_window "About") || die "Ver情報 opened nothing"
check "the menu stays beside About" is_viewable "$menu"
sleep 0.3
press_at "$about" 1200 840 975 375 # O K (in the panel at -120, 0)
check "O K closes About" wait_hidden "$about" 5
check "the menu stays after About" is_viewable "$menu"

# "終了" saves the balance and ends the program.
press_exit "$menu" || die "終了 did not end the program"
# A lock left behind would refuse the next start whenever its process id is taken again.
check "終了 releases the single-copy lock" [ ! -e "$ini.lock" ]

read_saved
final=$saved
expected=$((100 - staked + paid))
echo "staked $staked, paid $paid: the balance is $final"
check "the final balance is $expected (100 - $staked + $paid), not $final" [ "$final" = "$expected" ]
for key in TYPE-1 TYPE-2 TYPE-3 TYPE-4 TYPE-5 TYPE-A TYPE-B TYPE-C TYPE-D TYPE-E TYPE-F TYPE-G \
  TYPE-H TYPE-I TYPE-J TYPE-K TYPE-L TYPE-M TYPE-N TYPE-O TYPE-P; do
  check "the settings file holds $key" grep -q "^$key=" "$ini"
done
check "the settings file has one section, MAIN" [ "$(grep -c '^\[' "$ini")" = 1 ]
check "the section is MAIN" [ "$(head -n 1 "$ini" | tr -d '\r')" = "[MAIN]" ]

# A treasure win taken with "No" is in the file at once: hunts until a chest holds gold, takes
# the win, waits for the file to change and kills the program then (SIGKILL, no save of its own).
"$work/ZelkGame" &
pid=$!
menu=$(find_window "$title") || die "no menu on the second start"
sleep 0.3
read_saved
balance=$saved
open_game 120 840 1095 495 "Treasure Hunting"
taken=''
for hunt in $(seq 20); do
  press_at "$game" 5640 240 735 375 # BET
  sleep 0.2
  press_at "$game" 5280 840 975 375 # START
  sleep 0.2
  before=$(file_state)
  press_at "$game" $((240 + 960 * (hunt % 5))) $((120 + 840 * (hunt / 5 % 5))) 675 600 # a chest
  sleep 2 # an empty chest saves its loss after 1.5 s; a find waits with its question
  if [ "$(file_state)" != "$before" ]; then
    read_saved
    balance=$saved
    continue
  fi
  press_at "$game" 2640 2040 975 375 # No
  for _ in $(seq 60); do
    [ "$(file_state)" != "$before" ] && break
    sleep 0.05
  done
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=''
  read_saved
  taken=$saved
  break
done
if [ -n "$taken" ]; then
  check "the treasure win taken is in the file after a kill ($taken, not $((balance + 1)))" \
    [ "$taken" = "$((balance + 1))" ]
else
  fail "no chest held gold in 20 hunts"
fi

summary
[ "$failed" = 0 ] || exit 1
