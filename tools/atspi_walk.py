#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists what a screen reader finds in every window of the program, through AT-SPI.

    tools/atspi_walk.py BUILD/kel

Starts the program on a private X server (Xvfb) inside a private D-Bus session
(dbus-run-session) with Qt's accessibility bridge on, opens its windows the way a user
can without a mouse (an experiment file on the command line for the lab and phasor windows,
F1 for About, Ctrl+Shift+R for the resonance curve, the View menu's Equations), and walks the
accessible tree of each window with pyatspi. Prints every focusable object and every menu
item with its role and name, then one line counting the focusable objects and menu items
without a name; exits 1 if there is any, 2 if the walk itself failed.

Needs Xvfb, dbus-run-session, at-spi2-core and python3-pyatspi (Debian's, under
/usr/bin/python3). Not run by CTest: it needs a bus and a display of its own.
"""

import os
import subprocess
import sys
import tempfile
import time

INNER = "--inside-session"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXAMPLES = os.path.join(ROOT, "examples")

# X key names (xkbcomp's) of the keys the walk presses, with the usual evdev codes to fall
# back on when the server's map cannot be read.
KEY_NAMES = {"Tab": ("TAB", 23), "Escape": ("ESC", 9), "F1": ("FK01", 67),
             "Control": ("LCTL", 37), "Shift": ("LFSH", 50), "r": ("AD04", 27)}


def find_free_display():
    for number in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and \
                not os.path.exists(f"/tmp/.X{number}-lock"):
            return f":{number}"
    sys.exit("no free X display number")


def outer(program):
    """Starts Xvfb, then this script again inside a D-Bus session; stops Xvfb after."""
    display = find_free_display()
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        env = dict(os.environ, DISPLAY=display)
        # Ready once it answers a client, not when its socket appears.
        for _ in range(200):
            if xvfb.poll() is not None:
                sys.exit(f"Xvfb {display} did not start")
            if subprocess.call(["xwininfo", "-root"], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL) == 0:
                break
            time.sleep(0.05)
        # Debian's pyatspi lives with the system's Python, whatever python3 is first on PATH.
        python = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
        return subprocess.call(["dbus-run-session", "--", python, os.path.abspath(__file__),
                                INNER, program], env=env)
    finally:
        xvfb.terminate()
        xvfb.wait()


def read_keycodes():
    codes = {key: fallback for key, (_, fallback) in KEY_NAMES.items()}
    try:
        dump = subprocess.run(["xkbcomp", "-xkb", os.environ["DISPLAY"], "-"], check=True,
                              capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return codes
    by_name = {}
    for line in dump.splitlines():
        line = line.strip()
        if line.startswith("<") and "=" in line and line.endswith(";"):
            name, _, value = line.partition("=")
            value = value.strip(" ;")
            if value.isdigit():
                by_name[name.strip(" <>")] = int(value)
    for key, (name, _) in KEY_NAMES.items():
        codes[key] = by_name.get(name, codes[key])
    return codes


class Session:
    """One run of the program on the private display and bus."""

    def __init__(self, pyatspi, program, arguments, home):
        self.pyatspi = pyatspi
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE="en", LC_ALL="C.UTF-8",
                   HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR", home))
        self.process = subprocess.Popen([program] + arguments, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.codes = read_keycodes()

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app and app.get_process_id() == self.process.pid:
                    return app
            except Exception:  # an application gone while we looked
                continue
        return None

    def windows(self):
        app = self.application()
        if not app:
            return []
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def wait_for_window(self, title, timeout=15.0):
        end = time.time() + timeout
        while time.time() < end:
            if self.process.poll() is not None:
                raise RuntimeError(f"the program ended ({self.process.returncode}): "
                                   + self.process.stderr.read().decode(errors="replace"))
            for window in self.windows():
                if window and window.name == title:
                    return window
            time.sleep(0.1)
        raise RuntimeError(f"no window {title!r} appeared; there are "
                           f"{[w.name for w in self.windows() if w]}")

    def point_at(self, window):
        """Keys go to the window under the pointer: there is no window manager."""
        extents = window.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        self.pyatspi.Registry.generateMouseEvent(extents.x + extents.width // 2,
                                                 extents.y + min(extents.height // 2, 40), "abs")
        time.sleep(0.2)

    def press(self, *keys):
        """Presses the keys together, the last one with the others held, as Ctrl+Shift+R."""
        registry = self.pyatspi.Registry
        for key in keys[:-1]:
            registry.generateKeyboardEvent(self.codes[key], None, self.pyatspi.KEY_PRESS)
        registry.generateKeyboardEvent(self.codes[keys[-1]], None, self.pyatspi.KEY_PRESSRELEASE)
        for key in reversed(keys[:-1]):
            registry.generateKeyboardEvent(self.codes[key], None, self.pyatspi.KEY_RELEASE)
        time.sleep(0.5)


MENU_ROLES = ("ROLE_MENU_ITEM", "ROLE_CHECK_MENU_ITEM", "ROLE_RADIO_MENU_ITEM", "ROLE_MENU")


def walk(pyatspi, node, out, depth=0):
    if node is None or depth > 64:
        return
    try:
        role = node.getRole()
        states = node.getState()
        name = node.name or ""
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # gone while walked (a menu closing)
        return
    role_name = pyatspi.Role._enum_lookup.get(int(role), str(role)) if hasattr(
        pyatspi.Role, "_enum_lookup") else str(role)
    role_text = node.getRoleName()
    focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    visible = states.contains(pyatspi.STATE_VISIBLE)
    is_menu_item = any(str(role_name).endswith(r) or str(role).endswith(r) for r in MENU_ROLES)
    if is_menu_item:
        out.append(("menu item", role_text, name))
    elif focusable and visible:
        out.append(("focusable", role_text, name))
    for child in children:
        walk(pyatspi, child, out, depth + 1)


def report(pyatspi, window, totals):
    entries = []
    walk(pyatspi, window, entries)
    print(f"== {window.getRoleName()} \"{window.name}\"")
    for kind, role, name in entries:
        shown = f'"{name}"' if name.strip() else "(NO NAME)"
        print(f"  {kind:9}  {role:18}  {shown}")
        if not name.strip():
            totals["unnamed " + ("menu items" if kind == "menu item" else "focusable")] += 1
        totals[kind] += 1


def find(pyatspi, node, role_text, name, depth=0):
    if node is None or depth > 64:
        return None
    try:
        if node.getRoleName() == role_text and node.name == name:
            return node
        for i in range(node.childCount):
            hit = find(pyatspi, node.getChildAtIndex(i), role_text, name, depth + 1)
            if hit:
                return hit
    except Exception:
        return None
    return None


def next_window(session, prefix, timeout=15.0):
    """The first window whose title starts with `prefix` (About's carries the program's name)."""
    end = time.time() + timeout
    while time.time() < end:
        for window in session.windows():
            if window and window.name.startswith(prefix):
                return window
        time.sleep(0.1)
    raise RuntimeError(f"no window {prefix!r}... appeared")


def inner(program):
    import pyatspi  # noqa: E402 (only inside the session, with Debian's Python)

    totals = {"focusable": 0, "menu item": 0, "unnamed focusable": 0, "unnamed menu items": 0}
    seen = set()

    def report_all(session):
        for window in session.windows():
            if window and window.name not in seen:
                seen.add(window.name)
                report(pyatspi, window, totals)

    with tempfile.TemporaryDirectory(prefix="kel-atspi-") as home:
        # The phasor window from its example, then by keyboard its resonance curve and About.
        session = Session(pyatspi, program,
                          [os.path.join(EXAMPLES, "driven-rlc-resonance.kel")], home)
        try:
            session.wait_for_window("Kel Lab for Dax 202")
            phasors = session.wait_for_window("Phasor Plots")
            session.point_at(phasors)
            session.press("Control", "Shift", "r")
            session.wait_for_window("Resonance Curve")
            session.point_at(phasors)
            session.press("F1")
            about = next_window(session, "About ")
            report_all(session)
            session.point_at(about)
            session.press("Escape")
        finally:
            session.close()
        # The lab window from its example, and its Equations through the View menu.
        session = Session(pyatspi, program, [os.path.join(EXAMPLES, "rc-charging.kel")], home)
        try:
            lab = session.wait_for_window("Kel Circuits Lab for Dax 202")
            # A menu item is what a screen reader's user activates through its action.
            equations = find(pyatspi, lab, "menu item", "Equations")
            equations.queryAction().doAction(0)
            session.wait_for_window("Equations")
            report_all(session)
        finally:
            session.close()

    print(f"{totals['focusable']} focusable objects, {totals['menu item']} menu items; "
          f"unnamed: {totals['unnamed focusable']} focusable objects, "
          f"{totals['unnamed menu items']} menu items")
    return 1 if totals["unnamed focusable"] or totals["unnamed menu items"] else 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == INNER:
        try:
            return inner(sys.argv[2])
        except RuntimeError as problem:
            print(f"atspi_walk: {problem}", file=sys.stderr)
            return 2
    if len(sys.argv) != 2 or sys.argv[1] in ("-h", "--help"):
        print(__doc__.strip())
        return 0 if len(sys.argv) == 2 else 2
    program = os.path.abspath(sys.argv[1])
    if os.path.isdir(program):
        program = os.path.join(program, "kel")
    if not os.access(program, os.X_OK):
        print(f"atspi_walk: {program} is not a program", file=sys.stderr)
        return 2
    return outer(program)


if __name__ == "__main__":
    sys.exit(main())
