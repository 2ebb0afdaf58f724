#!/usr/bin/python3
"""One lesson as a blind student runs it, by AT-SPI actions and key presses alone: the driven
string chosen and started from the home screen, its frequency raised with the arrow keys, the
sine started, the vibrator's end followed from the keyboard's cursor on the picture, and the
recorder read: the period 1/f and the amplitude set. Leaves the driven string and the recorder
open; fails (status 1) naming the step."""

import math
import re
import subprocess
import sys
import time

import pyatspi
from accessibility import application, descendants, frames
from gi.repository import GLib

NUMBER = r"(\d+(?:,\d+)?)"
heard = []  # the names a screen reader says as the focus moves
step = "0. start"


def fail(step, what):
    sys.exit(f"FAIL: lesson, {step}: {what}")


def wait_for(step, what, find, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if found := find():
            return found
        time.sleep(0.1)
    return fail(step, what)


def shown(node, role, name):
    return next((n for n in descendants(node) if n.getRoleName() == role and n.name == name
                 and n.getState().contains(pyatspi.STATE_SHOWING)), None)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)


def press(key):
    """Presses a key, then waits up to 3 s for the focus to move; says where it went."""
    told, deadline = len(heard), time.monotonic() + 3
    keys(key)
    # Polled every 50 ms until it stops the loop, which returns nothing and ends the polling.
    GLib.timeout_add(50, lambda: len(heard) == told and time.monotonic() < deadline or pyatspi.Registry.stop())
    pyatspi.Registry.start()
    return heard[-1] if len(heard) > told else None


def spoken(node, unit):
    match = re.fullmatch(f"{NUMBER} {unit}", node.description)
    return match and float(match.group(1).replace(",", "."))


def main():
    global step
    step = "1. home screen"
    app = wait_for(step, "no application on the accessibility bus", application)
    home = wait_for(step, "no home screen", lambda: app.childCount == 1 and frames(app)[0])
    option = shown(home, "radio button", "Evolution d'une corde excitée par un vibreur")
    option.queryAction().doAction(0)
    wait_for(step, "its option stays unselected", lambda: option.getState().contains(pyatspi.STATE_CHECKED))
    shown(home, "push button", "Démarrer").queryAction().doAction(0)
    window = wait_for(step, '"Démarrer" opens no window', lambda: app.childCount == 2 and frames(app)[1])

    step = "2. frequency"
    bar = wait_for(step, "no bar", lambda: shown(window, "scroll bar", "fréquence de l'excitation"))
    before = bar.queryValue().currentValue
    bar.queryComponent().grabFocus()
    wait_for(step, "the bar takes no focus", lambda: bar.getState().contains(pyatspi.STATE_FOCUSED))
    keys(*["Right"] * 4)
    f = wait_for(step, f"four Right keys from {before:g} do not give {before + 4:g}, spoken in Hz",
                 lambda: bar.queryValue().currentValue == before + 4 and spoken(bar, "Hz"))

    step = "3. sine"
    start = shown(window, "push button", "Excitation sinusoïdale")
    start.queryAction().doAction(0)
    # Its stop button takes its place, under the same caption.
    wait_for(step, "the button stays", lambda: not start.getState().contains(pyatspi.STATE_SHOWING))

    step = "4. keyboard follow"
    pyatspi.Registry.registerEventListener(
        lambda e: e.detail1 and heard.append(e.source.name), "object:state-changed:focused")
    if not any(press("Tab") == "Corde" for _ in range(15)):
        fail(step, f"Tab goes round {heard[-15:]}, never to the picture")
    # A tenth of the string at a time, from its middle to the vibrator at the left end; the
    # menu is a popup, no window: only what the focus says tells its items.
    keys(*["shift+Left"] * 5, "Menu")
    if not any(press("Down") == "Suivre ce point" for _ in range(6)):
        fail(step, f"the menu key and Down say {heard[-6:]}")
    press("Return")

    step = "5. recorder"
    recorder = wait_for(step, 'no window "Enregistreur"',
                        lambda: next((w for w in frames(app) if w.name == "Enregistreur"), None))
    readout = wait_for(step, "no period in its readouts", lambda: next(
        (m for m in (re.fullmatch(f"A : période {NUMBER} s, amplitude {NUMBER} mm", n.name)
                     for n in descendants(recorder) if n.getRoleName() == "label") if m), None), 20)
    dt = spoken(shown(window, "text", "pas du calcul temporel dt"), "s")
    amplitude = spoken(shown(window, "scroll bar", "Amplitude de l'excitation"), "mm")
    print(f"lesson: f = {f:g} Hz, dt = {dt:g} s, A = {amplitude:g} mm: {readout.group(0)!r}")
    # Point 0 moves as the vibrator, A sin(ωt), recorded every dt, h = ω dt rad apart. A zero
    # crossing interpolated linearly is off by at most h³/8 rad, and the vibrator's one
    # re-synchronisation shifts its phase by at most h³/6; the highest sample is at most A h²/8
    # below the crest. The readout rounds to half its last digit on top.
    w = 2 * math.pi * f
    h = w * dt
    for text, expected, error, what in ((readout.group(1), 1 / f, h**3 * (2 / 8 + 1 / 6) / w, "period"),
                                        (readout.group(2), amplitude, amplitude * h**2 / 8, "amplitude")):
        tolerance = error + 0.5 * 10 ** -len(text.partition(",")[2])
        if abs(float(text.replace(",", ".")) - expected) > tolerance:
            fail(step, f"{what} {text}, expected {expected:.4g} within {tolerance:.2g}")


if __name__ == "__main__":
    try:
        main()
    except Exception as error:  # a control missing or silent: say where
        fail(step, f"{type(error).__name__}: {error}")
