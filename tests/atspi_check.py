# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running arcade as a screen reader does, over the accessibility bus: opens every
window from the menu by pressing its buttons through AT-SPI, and checks each window's tree:
every button and every picture is named, every control that can be pressed takes the focus, and
the named targets of the games are there; last it bets on a bingo card and listens: the card is
heard chosen and the CREDIT box heard with its new value. With --dump WINDOW it prints that
window's tree."""
import sys
import time

import pyatspi
from gi.repository import GLib

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


heard = []


def hear(event):
    source = event.source.name if event.source is not None else ""
    heard.append((event.type, source, event.detail1))


def wait_for(what, get, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # The events the reader listens to arrive through GLib's main loop.
        while GLib.MainContext.default().iteration(False):
            pass
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
    if st.contains(pyatspi.STATE_SELECTED):
        states.append("selected")
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
        # A decoration is not visible to a reader, which passes over it.
        seen = o.getState().contains(pyatspi.STATE_VISIBLE)
        read = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_IMAGE, pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER)
        if (seen and role in read) or pressable:
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


def listen_to_a_bet(menu):
    """A bet on bingo card A: the card is heard chosen (Qt's bridge tells a change of the checked
    state, which the arcade sends with the selected one), the CREDIT box with its new value."""
    pyatspi.Registry.registerEventListener(
        hear, "object:state-changed", "object:property-change:accessible-name"
    )
    press(button(menu, "ビンゴ"))
    w = wait_for("window 'BINGO'", lambda: window("BINGO"))
    press(button(w, "A"))

    def selected():
        return True if ("object:state-changed:checked", "card A", 1) in heard else None

    def credit():
        named = [s for t, s, _ in heard if t.startswith("object:property-change:accessible-name")]
        return True if any(s.startswith("CREDIT ") and s[7:].isdigit() for s in named) else None

    wait_for("card A heard chosen", selected, 10)
    wait_for("the CREDIT box heard with its new value", credit, 10)
    card = next(o for o in walk(w) if o.name == "card A")
    if not card.getState().contains(pyatspi.STATE_SELECTED):
        failures.append("card A is not read as selected")


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
    listen_to_a_bet(menu)
    for f in failures:
        print("FAIL:", f)
    print(f"{len(WINDOWS) + 1} windows read, {len(failures)} faults")
    return 1 if failures else 0


sys.exit(main())
