#!/usr/bin/env python3
"""What a screen reader is told: the real qvconfig under Xvfb, its accessible
tree read over a private accessibility bus with pyatspi, the main window's and
the controller window's, checked for roles and names.

    a11y.py <path-to-qvconfig> [--print]     exit 0 pass, 1 fail, 77 skipped

It runs itself again inside dbus-run-session, with its own accessibility bus
launcher, so that no bus of the desktop is touched. --print writes the trees.
"""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e  # noqa: E402  (the shared Xvfb session of the end-to-end cases)

LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
INNER = "QV_A11Y_INNER"

ACTIONS = ["Select", "Cancel", "Up", "Down", "Right", "Left", "Start/Pause", "Hold", "Hard Drop",
           "Soft Drop", "Rotate Left", "Rotate Right"]


def launcher():
    return next((path for path in LAUNCHERS if os.access(path, os.X_OK)), None)


def interpreter_with_pyatspi():
    """This Python when it has pyatspi, else the system's (Debian's package
    installs it for that one only); None when neither has it."""
    for python in (sys.executable, "/usr/bin/python3"):
        if os.access(python, os.X_OK) and subprocess.run(
                [python, "-c", "import pyatspi"], capture_output=True).returncode == 0:
            return python
    return None


def missing_tools():
    missing = [tool for tool in ("Xvfb", "xdotool", "xmessage", "dbus-run-session", "dbus-send")
               if shutil.which(tool) is None]
    if launcher() is None:
        missing.append("at-spi-bus-launcher")
    if interpreter_with_pyatspi() is None:
        missing.append("python3-pyatspi")
    return missing


def wait_for_accessibility_bus():
    def answers():
        result = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                capture_output=True, text=True, timeout=5)
        return result.returncode == 0
    e2e.check(e2e.wait_until(answers, 10, 0.1), "the accessibility bus did not start")


class Node:
    """One accessible object as a screen reader meets it."""

    def __init__(self, role, name, showing, children):
        self.role, self.name, self.showing, self.children = role, name, showing, children

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def lines(self, depth=0):
        # The items of a closed list are not read; they stand for themselves.
        hidden = "" if self.showing else "  (not showing)"
        out = ["%s%s \"%s\"%s" % ("  " * depth, self.role, self.name, hidden)]
        if self.role != "list":
            for child in self.children:
                out += child.lines(depth + 1)
        return out

    def named(self, role):
        return [node.name for node in self.walk() if node.role == role]


def read(accessible, depth=0):
    import pyatspi
    children = []
    if depth < 12:
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                children.append(read(child, depth + 1))
    showing = accessible.getState().contains(pyatspi.STATE_SHOWING)
    return Node(accessible.getRoleName(), accessible.name or "", showing, children)


def find_window(title, timeout=15):
    """The accessible top-level window titled `title` of the tool."""
    import pyatspi

    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None or app.name != "qvconfig":
                continue
            for window_index in range(app.childCount):
                window = app.getChildAtIndex(window_index)
                if window is not None and window.name == title:
                    return window
        return None

    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        window = look()
        if window is not None:
            return read(window)
        time.sleep(0.2)
    raise e2e.Failure("no accessible window titled %r" % title)


def check_main(tree):
    e2e.check(tree.role == "dialog", "the main window's role is %r" % tree.role)
    e2e.check(tree.named("combo box") == ["Quality"],
              "lists: %r" % tree.named("combo box"))
    buttons = tree.named("push button")
    for player in range(1, 5):
        e2e.check("Configure Player %d" % player in buttons, "buttons: %r" % buttons)
    e2e.check(len(set(buttons)) == len(buttons), "two buttons share a name: %r" % buttons)
    texts = tree.named("text")
    for name in ("Welcome", "Description", "DirectX Installed:"):
        e2e.check(name in texts, "text fields: %r" % texts)
    groups = tree.named("panel") + tree.named("grouping")
    for name in ("Quality", "Controller", "DirectX Installed:"):
        e2e.check(name in groups, "groups: %r" % groups)
    images = tree.named("image")
    for name in ("Zarvex banner", "Installed", "Not installed"):
        e2e.check(name in images, "pictures: %r" % images)
    unnamed = [node.role for node in tree.walk()
               if not node.name and node.role in ("push button", "combo box", "text", "image")]
    e2e.check(not unnamed, "controls without a name: %r" % unnamed)


def check_controller(tree):
    e2e.check(tree.role == "dialog", "the controller window's role is %r" % tree.role)
    lists = tree.named("combo box")
    e2e.check(sorted(lists) == sorted(["Controller"] + ACTIONS), "lists: %r" % lists)
    buttons = tree.named("push button")
    for action in ACTIONS:
        e2e.check("Assign " + action in buttons, "buttons: %r" % buttons)
    e2e.check(len(set(buttons)) == len(buttons), "two buttons share a name: %r" % buttons)
    groups = tree.named("panel") + tree.named("grouping")
    for name in ("Menu Navigation Controls", "Shared Navigation Controls",
                 "Game Navigation Controls"):
        e2e.check(name in groups, "groups: %r" % groups)


def inner(binary, show):
    bus = subprocess.Popen([launcher(), "--launch-immediately"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    session = None
    try:
        wait_for_accessibility_bus()
        session = e2e.Session(binary)
        session.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        tool, window = e2e.open_main(session)
        main = find_window(e2e.TITLE)
        if show:
            print("\n".join(main.lines()))
        check_main(main)
        controller_window = e2e.open_controller(session, window, tool)
        controller = find_window(e2e.CONTROLLER_TITLE)
        if show:
            print("\n".join(controller.lines()))
        check_controller(controller)
        e2e.close_window(session, controller_window, e2e.CONTROLLER_TITLE, "Escape")
        session.keys(window, "Escape")
        e2e.expect_exit(session, tool, "Escape")
    finally:
        if session is not None:
            session.close()
        bus.terminate()
        bus.wait()


def main():
    arguments = [a for a in sys.argv[1:] if a != "--print"]
    if len(arguments) != 1:
        print(__doc__)
        return 2
    binary = os.path.abspath(arguments[0])
    if os.environ.get(INNER) != "1":
        missing = missing_tools()
        if missing:
            print("skipped: not installed: %s" % ", ".join(missing))
            return 77
        env = dict(os.environ, **{INNER: "1"})
        return subprocess.run(["dbus-run-session", "--", interpreter_with_pyatspi()] + sys.argv,
                              env=env).returncode
    return e2e.drive(lambda: inner(binary, "--print" in sys.argv), tools=())


if __name__ == "__main__":
    sys.exit(main())
