#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the dice artwork: the six die faces (18 x 18), the 36 outcome pictures of two dice
(36 x 18, first die left) and the window icon (32 x 32). Run it from anywhere; it writes next
to itself and into ../icons."""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

LO, MID, HI = 4.6, 9.0, 13.4
PIPS = {
    1: [(MID, MID)],
    2: [(HI, LO), (LO, HI)],
    3: [(HI, LO), (MID, MID), (LO, HI)],
    4: [(LO, LO), (HI, LO), (LO, HI), (HI, HI)],
    5: [(LO, LO), (HI, LO), (MID, MID), (LO, HI), (HI, HI)],
    6: [(LO, LO), (HI, LO), (LO, MID), (HI, MID), (LO, HI), (HI, HI)],
}


def face(n, x=0.0, y=0.0, extra=""):
    """One die face of 18 x 18 units at (x, y): white, black pips, the single pip of 1 red."""
    parts = [f'<g transform="translate({x:g} {y:g}){extra}">',
             '<rect x="0.5" y="0.5" width="17" height="17" rx="3" fill="#fff" stroke="#000"/>']
    if n == 1:
        parts.append('<circle cx="9" cy="9" r="3.2" fill="#e00000"/>')
    else:
        parts += [f'<circle cx="{cx:g}" cy="{cy:g}" r="1.7" fill="#000"/>' for cx, cy in PIPS[n]]
    parts.append('</g>')
    return "".join(parts)


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">{body}</svg>\n')


def write(path, text):
    with open(path, "w", encoding="ascii") as f:
        f.write(text)


def main():
    for n in range(1, 7):
        write(os.path.join(HERE, f"face{n}.svg"), svg(18, 18, face(n)))
    for i in range(36):
        first, second = i // 6 + 1, i % 6 + 1
        write(os.path.join(HERE, f"outcome{i}.svg"), svg(36, 18, face(first) + face(second, 18)))
    icon = face(5, 1, 3, " rotate(-12 9 9)") + face(1, 13, 12, " rotate(10 9 9)")
    write(os.path.join(HERE, "..", "icons", "Dice.svg"), svg(32, 32, icon))


if __name__ == "__main__":
    main()
