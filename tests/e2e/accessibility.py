#!/usr/bin/python3
"""Reads the program's accessibility tree over AT-SPI, as a screen reader does.

Arguments: the titles of the program's top-level windows, as the X server
names them. Prints the tree (role | name | description = value, * when a user can
reach it), then fails
(status 1, one line per fault) unless: each of those windows is a frame with
its title; every control a user can reach (focusable and showing) has a name,
no two in one window the same; a text box speaks its number and unit; each value bar's spoken value
follows its value, in one unit, with a decimal comma; and each picture is an image with its name,
whose description changes as the simulations animate, told at most once a second.
"""

import collections
import re
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "vellane"
SPOKEN = re.compile(r"^-?\d+(,\d+)?( \S+)?$")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP:
            return app
    return None


def frames(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def value_of(node):
    try:
        return node.queryValue()
    except NotImplementedError:
        return None


def line(node, depth):
    value = value_of(node)
    number = f" = {value.currentValue:g}" if value else ""
    mark = " *" if reachable(node) else ""
    return f"{'  ' * depth}{node.getRoleName()} | {node.name!r} | {node.description!r}{number}{mark}"


def dump(node, depth=0):
    print(line(node, depth))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)


def reachable(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)


def spoken_number(text):
    return float(text.split(" ")[0].replace(",", "."))


def labels(frame):
    return [node.name for node in descendants(frame) if node.getRoleName() == "label"]


def shown_numbers(captions):
    return [float(n) for c in captions for n in re.findall(r"-?\d*\.?\d+", c)]


def check_value_bar(frame, bar, faults):
    """Moves the bar by its small change through AT-SPI and back: the spoken
    value follows, in the same unit, at the same number per step, and a bar
    with a unit speaks the number its caption on screen now shows."""
    where = f"{frame.name}: {bar.name!r}"
    value = value_of(bar)
    before, text_before = value.currentValue, bar.description
    captions_before = labels(frame)
    if not SPOKEN.match(text_before):
        faults.append(f"{where} speaks {text_before!r}, not a French number and its unit")
        return
    step = value.minimumIncrement or 1
    target = before + step if before + step <= value.maximumValue else before - step
    value.currentValue = target
    text_after = bar.description
    for _ in range(50):
        if text_after != text_before:
            break
        time.sleep(0.1)
        text_after = bar.description
    changed = [c for c in labels(frame) if c not in captions_before]
    print(f"  {where}: {before:g} {text_before!r} -> {target:g} {text_after!r}, shown {changed}")
    if " " in text_after and SPOKEN.match(text_after) and spoken_number(text_after) not in shown_numbers(changed):
        faults.append(f"{where} speaks {text_after!r} while its caption shows {changed}")
    if not SPOKEN.match(text_after):
        faults.append(f"{where} speaks {text_after!r} after a change")
    elif text_after.split(" ")[1:] != text_before.split(" ")[1:]:
        faults.append(f"{where} changed unit: {text_before!r} then {text_after!r}")
    else:
        # A linear scale through zero: the same number per step of the value.
        per_step = [spoken_number(t) / v for t, v in ((text_before, before), (text_after, target)) if v]
        if text_after == text_before or (len(per_step) == 2 and abs(per_step[0] - per_step[1]) > 1e-9 * abs(per_step[0])):
            faults.append(f"{where}: {before:g} spoken {text_before!r}, {target:g} spoken {text_after!r}")
    value.currentValue = before


PICTURES = ["Corde", "Ondes sur la corde", "Cadran", "Corde", "Courbes de l'enregistreur"]


def check_pictures(app, faults):
    """Starts the reflection and the eigenmodes (the driven string runs): over 3 s each picture's
    description, read every half second, changes, and is told between twice and four times."""
    # Those that show the simulations; a still illustration has no description.
    pictures = [n for n in descendants(app) if n.getRoleName() == "image" and n.name and n.description]
    if sorted(p.name for p in pictures) != sorted(PICTURES):
        faults.append(f"pictures read as {[p.name for p in pictures]}, expected {PICTURES}")
    said = [[p.description] for p in pictures]
    told = collections.Counter()
    pyatspi.Registry.registerEventListener(lambda event: told.update([event.source.name]),
                                           "object:property-change:accessible-description")
    for node in descendants(app):
        if node.getRoleName() == "push button" and node.name == "animer" and reachable(node):
            node.queryAction().doAction(0)

    def read():
        for picture, texts in zip(pictures, said):
            texts.append(picture.description)
        return True

    GLib.timeout_add(500, read)
    GLib.timeout_add(3000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    print("pictures:")
    for picture, texts in zip(pictures, said):
        print(f"  {picture.name!r}: {texts[0]!r} -> {texts[-1]!r}, told {told[picture.name]}")
        if not all(texts) or len(set(texts)) < 2:
            faults.append(f"picture {picture.name!r} says only {set(texts)}")
    for name in set(PICTURES):
        if not 2 * PICTURES.count(name) <= told[name] <= 4 * PICTURES.count(name):
            faults.append(f"picture {name!r} told {told[name]} times in 3 s")


def main(titles):
    app = None
    for _ in range(100):
        app = application()
        if app is not None and sorted(f.name for f in frames(app)) == sorted(titles):
            break
        time.sleep(0.1)
    if app is None:
        print(f"FAIL: no application {APP!r} on the accessibility bus")
        return 1
    dump(app)
    faults = []
    names = sorted(f"{f.getRoleName()} {f.name!r}" for f in frames(app))
    wanted = sorted(f"frame {t!r}" for t in titles)
    if names != wanted:
        faults.append(f"top-level windows read as {names}, expected {wanted}")
    print("value bars:")
    for frame in frames(app):
        seen = {}
        for node in descendants(frame):
            if not reachable(node):
                continue
            if not node.name.strip():
                faults.append(f"{frame.name}: a {node.getRoleName()} without a name ({node.description!r})")
            elif node.name in seen:
                faults.append(f"{frame.name}: two controls named {node.name!r}")
            seen[node.name] = node
            if node.getRoleName() == "scroll bar" and value_of(node):
                check_value_bar(frame, node, faults)
            if node.getRoleName() == "text" and not SPOKEN.match(node.description):
                faults.append(f"{frame.name}: {node.name!r} speaks {node.description!r}")
    check_pictures(app, faults)
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
