"""The window as a screen reader sees it, over the AT-SPI accessibility bus.

Starts a private session bus, a virtual display, the accessibility bus and
the program, solves a 3 x 3 system through the bus as an assistive tool
would, and checks the tree: the window is a frame named "Velmora", results
are read-only and not editable, the working fields are not there, an inverse
cell describes its full-precision value, and the dimension field and the
determinant are labelled by their captions.

Usage: atspi_tree_test.py PROGRAM [--show]
Exits 77 (a skip to ctest) where no display or accessibility bus can be
started; --show prints what a screen reader reads, field by field.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_MARK = "VELMORA_PRIVATE_SESSION_BUS"
BUS_LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


def wait_for(predicate, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    return None


def start_display():
    if shutil.which("Xvfb") is None:
        skip("no Xvfb to open a display on (Debian package xvfb)")
    read_end, write_end = os.pipe()
    # -noreset: by default the server resets when its last client leaves,
    # and the accessibility bus launcher, its first client, leaves just
    # before the program connects; a connection during the reset fails.
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        skip("Xvfb did not open a display")
    return server, ":" + number


def start_accessibility_bus():
    launcher = next((path for path in BUS_LAUNCHERS if os.access(path, os.X_OK)), None)
    if launcher is None:
        skip("no at-spi-bus-launcher (Debian package at-spi2-core)")
    return subprocess.Popen([launcher, "--launch-immediately"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


class Failures:
    def __init__(self):
        self.count = 0

    def expect(self, condition, message):
        if not condition:
            self.count += 1
            print("FAILED: " + message)


def bus_has(name):
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (name,)),
                              GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def check(program, show):
    try:
        import gi
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError):
        skip("no AT-SPI bindings for " + sys.executable + " (Debian package python3-pyatspi)")
    if not wait_for(lambda: bus_has("org.a11y.Bus")):
        skip("the accessibility bus did not start")
    try:
        import pyatspi  # connects to the accessibility bus on import, so only now
    except ImportError:
        skip("no pyatspi for " + sys.executable + " (Debian package python3-pyatspi)")

    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       QT_ACCESSIBILITY="1")
    errors = tempfile.TemporaryFile(mode="w+")
    app = subprocess.Popen([program], env=environment,
                           stdout=subprocess.DEVNULL, stderr=errors)
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def find_frame():
            for i in range(desktop.childCount):
                application = desktop.getChildAtIndex(i)
                for j in range(application.childCount if application else 0):
                    window = application.getChildAtIndex(j)
                    if window is not None and window.name == "Velmora":
                        return window
            return None

        # A debug build on a loaded machine takes a while to register; a
        # program that has ended will not.
        window = wait_for(lambda: find_frame() or app.poll() is not None, 30.0)
        if app.poll() is not None:
            errors.seek(0)
            print("FAILED: the program ended with status {} before its window appeared:\n{}"
                  .format(app.returncode, errors.read()))
            return 1
        if window is None:
            skip("the program's window did not appear on the accessibility bus")
        fields = wait_for(lambda: {n.name: n for n in walk(window)
                                   if n.getRole() == pyatspi.ROLE_TEXT} or None)
        return check_tree(pyatspi, window, fields, show)
    finally:
        app.terminate()
        app.wait(timeout=10)


def states(pyatspi, node):
    state = node.getState()
    return {name for name, value in (("editable", pyatspi.STATE_EDITABLE),
                                     ("read only", pyatspi.STATE_READ_ONLY),
                                     ("focusable", pyatspi.STATE_FOCUSABLE))
            if state.contains(value)}


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def check_tree(pyatspi, window, fields, show):
    failures = Failures()
    failures.expect(window.getRole() == pyatspi.ROLE_FRAME,
                    "the window's role is " + window.getRoleName() + ", not frame")

    # The working fields are not on the bus, only the fields the window holds
    # at N = 3: three 3 x 3 grids, the vector, the solution, the dimension and
    # the determinant. A larger N's cells join them when it is laid out.
    working = [name for name in fields if name.startswith(("Row determinant", "Column total"))]
    failures.expect(not working, "working fields on the bus: " + ", ".join(working))
    failures.expect(len(fields) == 3 * 9 + 2 * 3 + 2,
                    "{} text fields on the bus, not 35".format(len(fields)))

    for name in ("Solution column 1", "Determinant", "Inverse row 1 column 1",
                 "Minors grid row 2 column 3"):
        found = states(pyatspi, fields[name])
        failures.expect("read only" in found and "editable" not in found,
                        name + " has the states " + ", ".join(sorted(found)))
    for name in ("Matrix Dimension", "Coefficient row 1 column 1", "Vector row 1"):
        found = states(pyatspi, fields[name])
        failures.expect("editable" in found and "read only" not in found,
                        name + " has the states " + ", ".join(sorted(found)))

    # Labelled by their captions.
    for name in ("Matrix Dimension", "Determinant"):
        labels = [target.name
                  for relation in fields[name].getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        failures.expect(labels == [name], name + " is labelled by " + repr(labels))

    # A Solve of A = [[3 0 0] [0 1 2] [0 0 3]], y = [1 1,5 1], as a tool would
    # type it and press the button.
    a = [["3", "0", "0"], ["0", "1", "2"], ["0", "0", "3"]]
    y = ["1", "1,5", "1"]
    for r in range(3):
        for c in range(3):
            fields["Coefficient row {} column {}".format(r + 1, c + 1)] \
                .queryEditableText().setTextContents(a[r][c])
        fields["Vector row {}".format(r + 1)].queryEditableText().setTextContents(y[r])
    solve = next(n for n in walk(window)
                 if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Solve")
    action = solve.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))
    solved = wait_for(lambda: text_of(fields["Determinant"]) != "")
    failures.expect(solved, "Solve pressed through the bus showed no determinant")

    inverse = fields["Inverse row 1 column 1"]
    failures.expect(text_of(inverse) == ".333", "the inverse cell reads " + text_of(inverse))
    failures.expect(inverse.description == "0.333333333333333\nexactly 1/3",
                    "the inverse cell describes " + repr(inverse.description))
    vector = fields["Vector row 2"]
    failures.expect(vector.description == "Read as 1",
                    "the vector cell read in part describes " + repr(vector.description))

    if show:
        shown = [n for n in walk(window) if n.getRole() == pyatspi.ROLE_TEXT
                 and n.getState().contains(pyatspi.STATE_SHOWING)]
        for node in shown:
            print("{} | {} | {} | {!r} | {!r}".format(
                node.name, node.getRoleName(), ", ".join(sorted(states(pyatspi, node))),
                text_of(node), node.description))
    return 1 if failures.count else 0


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program = os.path.abspath(sys.argv[1])
    if os.environ.get(BUS_MARK) is None:
        # Everything on a session bus of its own, gone when the run ends.
        runner = shutil.which("dbus-run-session")
        if runner is None:
            skip("no dbus-run-session to start a session bus (Debian package dbus-daemon)")
        os.environ[BUS_MARK] = "1"
        return subprocess.call([runner, "--", sys.executable, os.path.abspath(__file__)]
                               + [program] + sys.argv[2:])
    server, display = start_display()
    os.environ["DISPLAY"] = display
    bus = start_accessibility_bus()
    try:
        return check(program, "--show" in sys.argv[2:])
    finally:
        bus.terminate()
        server.terminate()
        bus.wait(timeout=10)
        server.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
