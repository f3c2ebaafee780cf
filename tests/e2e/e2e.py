#!/usr/bin/env python3
"""End-to-end cases: the real qvconfig in a temporary game folder under its own
Xvfb, with a stand-in Zarvex.exe, driven with xdotool.

    e2e.py <case> <path-to-qvconfig>     exit 0 pass, 1 fail, 77 skipped
"""
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

TITLE = "Zarvex Configuration"
CONTROLLER_TITLE = "Configure Controller for Player"
CAPTURE_TITLE = "Gamepad Input"
SETTINGS = os.path.join("Assets", "PC", "ANY_LANG", "MISC", "QVConfig.INI")
# The stand-in game copies the settings it finds, so the test sees what the
# game would have read at its start.
STAND_IN_GAME = """#!/bin/sh
cp Assets/PC/ANY_LANG/MISC/QVConfig.INI game-saw.ini 2>/dev/null
echo "$0 $#" > game-ran
"""


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(predicate, timeout, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(interval)
    return predicate()


class Session:
    """One Xvfb display, one game folder, the tool processes started in it."""

    def __init__(self, binary, screen="1024x768"):
        self.binary = binary
        self.folder = tempfile.mkdtemp(prefix="qv_e2e_")
        game = os.path.join(self.folder, "Zarvex.exe")
        with open(game, "w") as f:
            f.write(STAND_IN_GAME)
        os.chmod(game, 0o755)
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            # Without -noreset the server resets whenever its last client
            # leaves (a finished xdotool call), and refuses a tool that
            # connects just then.
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen + "x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display_pipe:
            number = display_pipe.readline().strip()
        check(number, "Xvfb did not start")
        # A runtime folder of the session's own holds the tool's single-instance
        # socket, so that a tool running elsewhere for this user does not take
        # the session's start.
        self.runtime = os.path.join(self.folder, "run")
        os.mkdir(self.runtime, 0o700)
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=self.runtime)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["XDG_CACHE_HOME"] = os.path.join(self.folder, ".cache")  # never the user's
        self.processes = []

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def start_tool(self, arguments=(), cwd=None):
        process = subprocess.Popen([self.binary, *arguments], cwd=cwd or self.folder, env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.processes.append(process)
        return process

    def xdotool(self, *arguments, timeout=10):
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        return result.stdout.split()

    def windows(self, title=TITLE):
        return self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title)

    def wait_for_window(self, title=TITLE, timeout=30, process=None):
        """Waits for the window; gives up early when `process` ends first."""
        def shown_or_ended():
            return len(self.windows(title)) > 0 or (process is not None and process.poll() is not None)
        check(wait_until(shown_or_ended, timeout, 0.1),
              "no window titled %r within %d s" % (title, timeout))
        found = self.windows(title)
        if not found and process is not None:
            raise Failure("the tool ended with %d before its window showed: %s"
                          % (process.returncode, process.stdout.read()))
        # The toolkit places the window's first focus just after mapping it;
        # a key sent before then would be counted from the wrong control.
        time.sleep(0.3)
        return found[0]

    def keys(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window, "key", "--delay", "50", *keys)

    @staticmethod
    def wait_for_exit(process, timeout=15):
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the tool did not end within %d s" % timeout)


def escape_writes_nothing(session):
    tool = session.start_tool()
    window = session.wait_for_window(process=tool)
    session.keys(window, "Escape")
    code = session.wait_for_exit(tool)
    output = tool.stdout.read()
    check(code == 0, "exit code %d after Escape: %s" % (code, output))
    check(not os.path.exists(session.path(SETTINGS)), "Escape wrote the settings file")
    check(not os.path.exists(session.path("game-ran")), "Escape started the game")


def start_game_saves_and_launches(session):
    tool = session.start_tool()
    window = session.wait_for_window(process=tool)
    # The focus starts on OK, the first control; Start Game is three tabs on,
    # and a push button with the focus takes Return.
    session.keys(window, "Tab", "Tab", "Tab", "Return")
    code = session.wait_for_exit(tool)
    check(code == 0, "exit code %d after Start Game: %s" % (code, tool.stdout.read()))
    check(wait_until(lambda: os.path.exists(session.path("game-ran")), 10),
          "the stand-in game did not run")
    with open(session.path("game-ran")) as f:
        check(f.read().split() == ["./Zarvex.exe", "0"], "the game got arguments")
    with open(session.path("game-saw.ini"), "rb") as f:
        seen = f.read()
    check(b"PERFORMANCE=0" in seen.upper().replace(b" ", b""),
          "the game did not find the High preset: %r" % seen[:200])
    with open(session.path(SETTINGS), "rb") as f:
        check(f.read() == seen, "the settings changed after the game started")


def second_start_focuses_first(session):
    first = session.start_tool()
    window = session.wait_for_window(process=first)
    # Put the focus elsewhere, so that getting it back is the first
    # instance's doing.
    other = subprocess.Popen(["xmessage", "-name", "other", "-title", "Other", "other"],
                             env=session.env, stderr=subprocess.DEVNULL)
    session.processes.append(other)
    other_window = session.wait_for_window("Other", 10)
    session.xdotool("windowfocus", "--sync", other_window)

    started = time.monotonic()
    second = session.start_tool()
    code = session.wait_for_exit(second, 10)
    check(code == 0, "second start ended with %d: %s" % (code, second.stdout.read()))
    check(time.monotonic() - started < 5, "second start took too long")
    check(second.stdout.read() == "", "second start printed something")
    check(len(session.windows()) == 1, "a second window opened")
    check(first.poll() is None, "the first instance ended")
    check(wait_until(lambda: session.xdotool("getwindowfocus") == [window], 5),
          "the first window did not get the focus")

    session.keys(window, "Escape")
    check(session.wait_for_exit(first) == 0, "the first instance did not end cleanly")
    # The name went with the first instance: a new start opens a window.
    third = session.start_tool()
    session.wait_for_window(process=third)
    session.keys(session.windows()[0], "Escape")
    check(session.wait_for_exit(third) == 0, "a later start did not run")


def configure_binding_saved(session):
    tool = session.start_tool()
    window = session.wait_for_window(process=tool)
    # From OK, the first control, Player 1's Configure is eight tabs on.
    session.keys(window, *["Tab"] * 8, "Return")
    controller = session.wait_for_window(CONTROLLER_TITLE, 10, tool)
    # The device list has the focus; SELECT's Assign is two tabs on. The
    # capture window must come up on top with the focus for the key to count.
    session.keys(controller, "Tab", "Tab", "Return")
    capture = session.wait_for_window(CAPTURE_TITLE, 10, tool)
    check(wait_until(lambda: session.xdotool("getwindowfocus") == [capture], 5),
          "the capture window did not get the focus")
    # The window looks at the keyboard every 100 ms, so the key is held
    # across a look, as a player's press is.
    session.xdotool("keydown", "q")
    time.sleep(0.3)
    session.xdotool("keyup", "q")
    check(wait_until(lambda: not session.windows(CAPTURE_TITLE), 5),
          "the capture window did not close on a key press")
    # Back on the Assign button; OK is the last but two in the tab order.
    session.keys(controller, "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab",
                 "Return")
    check(wait_until(lambda: not session.windows(CONTROLLER_TITLE), 5),
          "the controller window did not close on OK")
    # Back on Configure; OK is eight tabs back.
    session.keys(window, *["shift+Tab"] * 8, "Return")
    code = session.wait_for_exit(tool)
    check(code == 0, "exit code %d after OK: %s" % (code, tool.stdout.read()))
    with open(session.path(SETTINGS), "rb") as f:
        saved = f.read().decode("latin-1")
    player1 = saved[saved.index("[PLAYER01]"):].split("\r\n\r\n")[0]
    check("SELECT=81\r\n" in player1, "PLAYER01 does not hold Q for SELECT: %r" % player1)
    check("\r\nUP=38" in player1, "PLAYER01 lost its other keys: %r" % player1)


def silent_clients_do_not_stall(session):
    channel = os.path.join(session.runtime, "QVConfigAppAtom")
    first = session.start_tool()
    window = session.wait_for_window(process=first)
    check(wait_until(lambda: os.path.exists(channel), 5), "no socket in the runtime folder")

    def connect_silent(count):
        for _ in range(count):
            client = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            client.settimeout(5)
            client.connect(channel)
            silent.append(client)

    silent = []
    try:
        connect_silent(20)
        started = time.monotonic()
        second = session.start_tool()
        code = session.wait_for_exit(second, 10)
        second_took = time.monotonic() - started
        check(code == 0, "second start ended with %d: %s" % (code, second.stdout.read()))
        check(second_took < 2, "second start took %.2f s behind silent clients" % second_took)
        check(len(session.windows()) == 1, "a second window opened")

        connect_silent(20)
        started = time.monotonic()
        session.keys(window, "Escape")
        code = session.wait_for_exit(first, 10)
        escape_took = time.monotonic() - started
        check(code == 0, "exit code %d after Escape: %s" % (code, first.stdout.read()))
        check(escape_took < 1, "Escape took %.2f s to close the window behind silent clients"
              % escape_took)
    finally:
        for client in silent:
            client.close()
    print("second start %.2f s, Escape %.2f s" % (second_took, escape_took))


def keyboard_only_quality_saved(session):
    tool = session.start_tool()
    window = session.wait_for_window(process=tool)
    # The focus starts on OK; the quality list is six tabs on (Cancel, Help,
    # Start Game, Reset All, the welcome text, the list). Down picks Medium.
    session.keys(window, *["Tab"] * 6, "Down")
    # OK is seven tabs on, round the end (the description, the four Configure
    # buttons, the runtime status); Space presses the focused button.
    session.keys(window, *["Tab"] * 7, "space")
    code = session.wait_for_exit(tool)
    check(code == 0, "exit code %d after OK: %s" % (code, tool.stdout.read()))
    with open(session.path(SETTINGS), "rb") as f:
        saved = f.read().decode("latin-1").upper().replace(" ", "")
    check("PERFORMANCE=1\r\n" in saved, "the Medium level was not saved: %r" % saved[:300])
    check("MEDIUMWORLD=TRUE\r\n" in saved and "\r\nSHADOW=FALSE\r\n" in saved,
          "the Medium preset was not applied: %r" % saved[:300])


def game_folder_argument(session):
    # Started from another folder with the game folder as its argument (a
    # relative one), the tool saves and starts the game there.
    elsewhere = session.path("elsewhere")
    os.mkdir(elsewhere)
    tool = session.start_tool([".."], cwd=elsewhere)
    window = session.wait_for_window(process=tool)
    session.keys(window, "Tab", "Tab", "Tab", "Return")
    code = session.wait_for_exit(tool)
    check(code == 0, "exit code %d after Start Game: %s" % (code, tool.stdout.read()))
    check(wait_until(lambda: os.path.exists(session.path("game-ran")), 10),
          "the stand-in game did not run in the game folder")
    check(os.path.exists(session.path(SETTINGS)), "no settings file in the game folder")
    check(os.listdir(elsewhere) == [], "the tool wrote into the folder it was started from: %r"
          % os.listdir(elsewhere))


CASES = {f.__name__: f for f in (escape_writes_nothing, start_game_saves_and_launches,
                                  second_start_focuses_first, configure_binding_saved,
                                  silent_clients_do_not_stall, keyboard_only_quality_saved,
                                  game_folder_argument)}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        print(__doc__)
        return 2
    for tool in ("Xvfb", "xdotool", "xmessage"):
        if shutil.which(tool) is None:
            print("skipped: %s is not installed" % tool)
            return 77
    session = Session(os.path.abspath(sys.argv[2]))
    try:
        CASES[sys.argv[1]](session)
    except (Failure, subprocess.TimeoutExpired) as error:
        print("FAILED: %s" % error)
        return 1
    finally:
        session.close()
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
