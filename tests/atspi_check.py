# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running arcade as a screen reader does, over the accessibility bus: opens every
window from the menu by pressing its buttons through AT-SPI, and checks each window's tree:
every button and every picture is named, every control that can be pressed takes the focus, and
the named targets of the games are there. With --dump WINDOW it prints that window's tree."""
import sys
import time

import pyatspi

APP = "ZelkGame"
MENU = "Zelkのゲーム屋さん"
# Menu button, window caption, the button that leaves it, and names that must be in its tree,
# each at least so many times (a control array names all its elements; Mark's dealt cards may
# name hearts beside its three suit choices).
WINDOWS = [
    ("ビンゴ", "BINGO", "PLAY OUT", {}),
    ("宝探し", "Treasure Hunting", "PLAY OUT", {"chest 7": 1, "chest *": 25}),
    ("ルーレット", "Roulette", "PLAY OUT", {}),
    ("サイコロ", "Dice", "PLAY OUT", {"outcome 3 and 5": 1, "outcome *": 36, "field A": 1}),
    ("スロット", "Slot Machine", "PLAY OUT", {}),
    ("おまけ", "Premium", "Close", {"piece 12": 1, "piece *": 16}),
    ("かぶ", "Oicyo Kabu", "PLAY OUT", {}),
    ("ドッグレース", "Dog Race", "PLAY OUT", {}),
    ("マーク", "Mark", "PLAY OUT", {"heart": 3}),
    ("HELP", "Help", "Close", {}),
    ("Ver情報", "About", "O K", {}),
]
failures = []


def wait_for(what, get, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = get()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what}")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP:
            return app
    return None


def window(caption):
    app = application()
    for w in app or []:
        if w is not None and w.name == caption and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def walk(o):
    yield o
    for c in o:
        if c is not None:
            yield from walk(c)


def actions(o):
    try:
        a = o.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def press(o):
    a = o.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == "Press":
            a.doAction(i)
            return
    failures.append(f"{o.name!r} cannot be pressed")


def line(o, depth):
    st = o.getState()
    states = ["focusable"] if st.contains(pyatspi.STATE_FOCUSABLE) else []
    if not st.contains(pyatspi.STATE_SENSITIVE):
        states.append("disabled")
    if not st.contains(pyatspi.STATE_SHOWING):
        states.append("hidden")
    desc = f" ({o.description})" if o.description else ""
    return "  " * depth + f"[{o.getRoleName()}] {o.name!r}{desc} {' '.join(states)}".rstrip()


def dump(o, depth=0):
    print(line(o, depth))
    for c in o:
        if c is not None:
            dump(c, depth + 1)


def check(caption, w, wanted):
    counts = {}
    for o in walk(w):
        role = o.getRole()
        pressable = "Press" in actions(o)
        if role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_IMAGE) or pressable:
            if not o.name.strip():
                failures.append(f"{caption}: an unnamed {o.getRoleName()}")
        if pressable and not o.getState().contains(pyatspi.STATE_FOCUSABLE):
            failures.append(f"{caption}: {o.name!r} can be pressed but takes no focus")
        counts[o.name] = counts.get(o.name, 0) + 1
    for name, n in wanted.items():
        if name.endswith("*"):
            have = sum(c for k, c in counts.items() if k.startswith(name[:-1]))
        else:
            have = counts.get(name, 0)
        if have < n:
            failures.append(f"{caption}: {have} of {name!r}, fewer than {n}")
    boxes = [o.name for o in walk(w) if o.name.startswith("CREDIT ")]
    if caption not in ("Help", "About") and not any(b[7:].isdigit() for b in boxes):
        failures.append(f"{caption}: no CREDIT box read with its value ({boxes})")


def button(w, name):
    for o in walk(w):
        if o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == name:
            return o
    sys.exit(f"FAIL: no button {name!r} in {w.name!r}")


def main():
    dump_caption = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--dump" else None
    menu = wait_for("menu on the accessibility bus", lambda: window(MENU))
    check(MENU, menu, {})
    for menu_button, caption, leave, wanted in WINDOWS:
        press(button(menu, menu_button))
        w = wait_for(f"window {caption!r}", lambda: window(caption))
        check(caption, w, wanted)
        if caption == dump_caption:
            dump(w)
        press(button(w, leave))
        wait_for(f"menu after {caption!r}", lambda: window(MENU))
        wait_for(f"{caption!r} gone", lambda: None if window(caption) else True)
    for f in failures:
        print("FAIL:", f)
    print(f"{len(WINDOWS) + 1} windows read, {len(failures)} faults")
    return 1 if failures else 0


sys.exit(main())
