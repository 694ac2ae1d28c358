# SPDX-License-Identifier: GPL-3.0-or-later
"""A keyboard-only round of the nine games: keys only (xdotool key, never the mouse), with Tab
moving the focus until the control wanted has it, as a player who reads the focus does (the
focused control is read over AT-SPI), and Space acting on it. After each game the settings file
must hold a balance with BACK and MIRROR matching, changed by no more than the stake lost."""
import os
import subprocess
import sys
import time

import pyatspi

APP, MENU = "ZelkGame", "Zelkのゲーム屋さん"
ini = sys.argv[1]
failures = []


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == APP:
            return a
    return None


def window(caption):
    for w in app() or []:
        if w is not None and w.name == caption and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def wait(what, get, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        v = get()
        if v:
            return v
        time.sleep(0.1)
    sys.exit(f"FAIL: {what}")


def walk(o):
    yield o
    for c in o:
        if c is not None:
            yield from walk(c)


def focused(w):
    for o in walk(w):
        if o.getState().contains(pyatspi.STATE_FOCUSED):
            return o.name
    return None


def keys(caption, *names):
    xid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{caption}$"],
                         capture_output=True, text=True).stdout.split()
    if xid:
        subprocess.run(["xdotool", "windowfocus", "--sync", xid[0]], check=False)
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def press(caption, name, tabs=80):
    """Tabs until the control named name has the focus, then Space."""
    w = wait(f"window {caption}", lambda: window(caption))
    for _ in range(tabs):
        if focused(w) == name:
            keys(caption, "space")
            time.sleep(0.3)
            return True
        keys(caption, "Tab")
        time.sleep(0.05)
    return False


def credit():
    values = {}
    if os.path.exists(ini):
        for line in open(ini, encoding="latin-1"):
            k, _, v = line.partition("=")
            values[k.strip()] = v.strip()
    if "CREDIT" not in values:
        return 100
    c = int(values["CREDIT"])
    if int(values.get("BACK", -1)) != c + 1963 or int(values.get("MIRROR", -1)) != c + 1122:
        failures.append(f"CREDIT {c} with BACK {values.get('BACK')} MIRROR {values.get('MIRROR')}")
    return c


def leave(caption, button, seconds=90):
    deadline = time.monotonic() + seconds
    while window(caption) and time.monotonic() < deadline:
        press(caption, button, tabs=40)
        time.sleep(0.5)
    if window(caption):
        sys.exit(f"FAIL: {caption} did not close")
    wait("menu back", lambda: window(MENU))


# Menu button, caption, stake, the steps (control names, or a number: seconds to wait), leave.
GAMES = [
    ("スロット", "Slot Machine", 1, ["BET", "START", 3], "PLAY OUT"),
    ("ルーレット", "Roulette", 1, ["2", "START", 5], "PLAY OUT"),
    ("サイコロ", "Dice", 1, ["field A", "START", 3], "PLAY OUT"),
    ("かぶ", "Oicyo Kabu", 1, ["BET", "START", "OK", 3], "PLAY OUT"),
    ("ドッグレース", "Dog Race", 1, ["１－２", "START", 5], "PLAY OUT"),
    ("マーク", "Mark", 1, ["BET", "START", 4], "PLAY OUT"),
    ("宝探し", "Treasure Hunting", 1, ["BET", "START", "chest 1", 2, "?No"], "PLAY OUT"),
    ("おまけ", "Premium", 50, ["50 BET", 2, "STOP", 2], "Close"),
    ("ビンゴ", "BINGO", 1, ["A", "START", 55], "PLAY OUT"),
]


def saved_state():
    """The settings file as a save leaves it: every save replaces it, also with the same text."""
    try:
        st = os.stat(ini)
        return (st.st_ino, st.st_mtime_ns, st.st_size)
    except FileNotFoundError:
        return None


def main():
    wait("menu", lambda: window(MENU))
    for button, caption, stake, steps, out in GAMES:
        before = credit()
        before_state = saved_state()
        if not press(MENU, button):
            failures.append(f"the menu's {button} never took the focus")
            continue
        wait(f"{caption} open", lambda: window(caption))
        for step in steps:
            if isinstance(step, int):
                time.sleep(step)
            elif step.startswith("?"):
                press(caption, step[1:], tabs=20)  # only when it is offered
            elif not press(caption, step):
                failures.append(f"{caption}: {step} never took the focus")
        leave(caption, out)
        after = credit()
        # A tie pays the stake back: the balance is the same, but the play still saved it.
        if saved_state() == before_state:
            failures.append(f"{caption}: the settings file was not saved ({after})")
        elif after < before - stake:
            failures.append(f"{caption}: the balance went from {before} to {after}, more than the stake {stake}")
        print(f"{caption}: {before} -> {after}")
    for f in failures:
        print("FAIL:", f)
    print(f"{len(GAMES)} games played from the keyboard, {len(failures)} faults")
    return 1 if failures else 0


sys.exit(main())
