#!/usr/bin/env python3
"""The Windows build's qvconfig.exe under Wine and Xvfb, beside the Linux
build's qvconfig, driven with xdotool through the same steps.

    wine_e2e.py compare WINE_RUN QVCONFIG_EXE ZARVEX_EXE LINUX_QVCONFIG PREFIX
        both programs choose Medium with the keyboard and press Start Game; the
        settings file and Recon.dat each wrote must be the same bytes
    wine_e2e.py screenshots OUT_DIR WINE_RUN QVCONFIG_EXE ZARVEX_EXE LINUX_QVCONFIG PREFIX [DPI...]
        every window of both programs as PNG files in OUT_DIR, to look at: the
        Windows build's at each DPI given (96 when none), on a screen as much
        larger as the DPI is

WINE_RUN is the build's wine-run.sh; PREFIX a Wine prefix of this script's
own, made at its first run. Exit 0 pass, 1 fail, 77 skipped.
"""
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import e2e  # noqa: E402  the Linux end-to-end harness: Xvfb, game folder, xdotool
from e2e import Failure, check, wait_until  # noqa: E402

WINESERVER = "/usr/lib/wine/wineserver"
RECON = "Recon.dat"
HELP_TITLE = ".*Help"  # a regular expression, as the harness takes titles


class WineSession(e2e.Session):
    """An e2e session whose tool is qvconfig.exe under Wine, in a prefix of its
    own, with the Windows stand-in game in the game folder."""

    def __init__(self, wine_run, program, game, prefix, dll_overrides="", dpi=96):
        super().__init__(wine_run, "%dx%d" % (1024 * dpi // 96, 768 * dpi // 96))
        self.program = program
        shutil.copyfile(game, self.path("Zarvex.exe"))
        self.env["WINEPREFIX"] = prefix
        self.env["WINEDLLOVERRIDES"] = "mscoree,mshtml=" + dll_overrides
        if not os.path.isfile(os.path.join(prefix, "system.reg")):
            try:
                self.wine("wineboot", "--init")
                # Without a window manager Wine waits about 2 s for each window
                # it hands to one; unmanaged, it places and draws them itself.
                self.wine("reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/d",
                          "N", "/f")
                subprocess.run([WINESERVER, "-w"], env=self.env, timeout=120)
            except subprocess.SubprocessError:
                self.close()
                raise
        # The prefix keeps the DPI of its last session; Wine reads it when a
        # program starts.
        self.wine("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t",
                  "REG_DWORD", "/d", str(dpi), "/f")

    def wine(self, *arguments):
        subprocess.run([self.binary, *arguments], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120, check=True)

    def start_tool(self, arguments=(), cwd=None):
        return super().start_tool([self.program, *arguments], cwd)

    def close(self):
        # The prefix's server and its helper processes belong to this session.
        subprocess.run([WINESERVER, "-k"], env=self.env, stderr=subprocess.DEVNULL)
        super().close()


def choose_medium_and_start(session):
    """The steps of both runs; returns what the game folder then holds."""
    tool = session.start_tool()
    window = session.wait_for_window(process=tool)
    # The focus starts on OK; the quality list is six tabs on, on High (a
    # missing settings file counts as High on either build, whatever level
    # each recommends); Down chooses Medium. Home is not pressed: on the
    # item already chosen, a Win32 list reports a selection change and the
    # toolkit's does not, and each change adds a "Result:" line to Recon.dat.
    session.keys(window, *["Tab"] * 6, "Down")
    # Start Game is three back: the welcome text, Reset All, Start Game.
    session.keys(window, *["shift+Tab"] * 3, "Return")
    code = session.wait_for_exit(tool, 30)
    check(code == 0, "exit code %d after Start Game: %s" % (code, tool.stdout.read()))
    check(wait_until(lambda: os.path.exists(session.path("game-ran")), 15),
          "the stand-in game did not run")
    files = {}
    for name in (e2e.SETTINGS, RECON, "game-saw.ini", "game-ran"):
        check(os.path.exists(session.path(name)), "no %s in the game folder" % name)
        with open(session.path(name), "rb") as f:
            files[name] = f.read()
    return files


# "Processor:" carries the first processor's speed, measured afresh by each
# run: the two figures of one machine agree to a few MHz, not to the digit.
PROCESSOR_LINE = re.compile(rb"^Processor:(-?\d+)\r\n", re.M)


def check_recon(windows, linux):
    for name, text in (("Windows", windows), ("Linux", linux)):
        check(text.endswith(b"\r\n"), "%s Recon.dat does not end in CR LF: %r" % (name, text))
        lines = text[:-2].split(b"\r\n")
        check(all(b"\r" not in line and b"\n" not in line for line in lines),
              "%s Recon.dat has a line end other than one CR LF: %r" % (name, text))
    speeds = [PROCESSOR_LINE.search(text) for text in (windows, linux)]
    check(all(speeds), "a Recon.dat has no Processor line: %r / %r" % (windows, linux))
    windows_mhz, linux_mhz = (int(match.group(1)) for match in speeds)
    check(windows_mhz > 0 and abs(windows_mhz - linux_mhz) <= max(linux_mhz // 50, 2),
          "the processor speeds differ: %d MHz under Wine, %d MHz on Linux"
          % (windows_mhz, linux_mhz))
    same = [PROCESSOR_LINE.sub(b"Processor:N\r\n", text, count=1) for text in (windows, linux)]
    check(same[0] == same[1], "Recon.dat differs:\nWindows %r\nLinux   %r" % tuple(same))
    return windows_mhz, linux_mhz


def compare(wine_run, program, game, linux_program, prefix):
    runs = {}
    for name, make in (("Linux", lambda: e2e.Session(linux_program)),
                       # Direct3D under Wine claims hardware transform and
                       # lighting even on a software renderer, where the Linux
                       # build's CPU Vulkan driver claims nothing; without
                       # d3d8.dll both builds find no graphics hardware, so
                       # their Recon.dat can hold the same lines.
                       ("Windows", lambda: WineSession(wine_run, program, game, prefix,
                                                       ";d3d8="))):
        session = make()
        try:
            runs[name] = choose_medium_and_start(session)
        finally:
            session.close()
    windows, linux = runs["Windows"], runs["Linux"]
    for name, files in runs.items():
        check(files["game-saw.ini"] == files[e2e.SETTINGS],
              "the %s game did not find the saved settings" % name)
    ran = windows["game-ran"].decode("latin-1").split("\n")
    # With no command line of its own, the program's is its quoted name.
    check(ran[0] == '".\\Zarvex.exe"', "the game's command line is %r" % ran[0])
    check(re.fullmatch(r"[A-Z]:\\.*\\qv_e2e_[^\\]+", ran[1]) is not None,
          "the game ran in %r, not in the game folder" % ran[1])
    settings = windows[e2e.SETTINGS]
    check(b"PERFORMANCE=1\r\n" in settings.upper().replace(b" ", b""),
          "the Medium level was not saved: %r" % settings[:300])
    check(settings == linux[e2e.SETTINGS],
          "the settings files differ:\nWindows %r\nLinux   %r" % (settings, linux[e2e.SETTINGS]))
    mhz = check_recon(windows[RECON], linux[RECON])
    print("same settings (%d bytes) and Recon.dat (%d lines; processor %d MHz under Wine, %d on Linux)"
          % (len(settings), windows[RECON].count(b"\r\n"), *mhz))


def screenshot(session, path):
    time.sleep(0.5)  # the window's first paint
    subprocess.run(["import", "-window", "root", path], env=session.env, check=True, timeout=30)


def window_tour(session, out, prefix):
    """Every window in turn: main, controller, capture, help, a message box."""
    tool = session.start_tool()
    window = session.wait_for_window(process=tool)
    screenshot(session, os.path.join(out, prefix + "-1-main.png"))
    session.keys(window, *["Tab"] * 8, "Return")
    controller = session.wait_for_window(e2e.CONTROLLER_TITLE, 10, tool)
    screenshot(session, os.path.join(out, prefix + "-2-controller.png"))
    session.keys(controller, "Tab", "Tab", "Return")
    session.wait_for_window(e2e.CAPTURE_TITLE, 10, tool)
    screenshot(session, os.path.join(out, prefix + "-3-capture.png"))
    # The window swallows keys and looks at the keyboard every 100 ms: a
    # held key ends it (the controller window is cancelled below).
    session.xdotool("keydown", "q")
    time.sleep(0.3)
    session.xdotool("keyup", "q")
    check(wait_until(lambda: not session.windows(e2e.CAPTURE_TITLE), 5), "capture stayed open")
    session.keys(controller, "Escape")
    check(wait_until(lambda: not session.windows(e2e.CONTROLLER_TITLE), 5), "controller stayed open")
    # Help is two tabs on from OK, Reset All four.
    session.keys(window, *["shift+Tab"] * 8, "Tab", "Tab", "Return")
    helper = session.wait_for_window(HELP_TITLE, 10, tool)
    screenshot(session, os.path.join(out, prefix + "-4-help.png"))
    session.keys(helper, "Return")
    check(wait_until(lambda: not session.windows(HELP_TITLE), 5), "help stayed open")
    session.keys(window, "Tab", "Tab", "Return")
    question = session.wait_for_window("Reset Confirmation", 10, tool)
    screenshot(session, os.path.join(out, prefix + "-5-message-box.png"))
    session.keys(question, "Tab", "space")  # No
    session.keys(window, "Escape")
    session.wait_for_exit(tool, 30)


def screenshots(out, wine_run, program, game, linux_program, prefix, *dpis):
    os.makedirs(out, exist_ok=True)
    runs = [("linux", lambda: e2e.Session(linux_program))]
    for dpi in dpis or ("96",):
        runs.append(("windows-%s" % dpi,
                     lambda dpi=int(dpi): WineSession(wine_run, program, game, prefix, dpi=dpi)))
    for name, make in runs:
        session = make()
        try:
            window_tour(session, out, name)
        finally:
            session.close()
    print("screenshots in %s" % out)


def main():
    arguments = sys.argv[1:]
    modes = {"compare": (compare, 5), "screenshots": (screenshots, 6)}
    if not arguments or arguments[0] not in modes or len(arguments) < modes[arguments[0]][1] + 1:
        print(__doc__)
        return 2
    run, count = modes[arguments[0]]
    dpis = arguments[count + 1:]
    if (run is compare and dpis) or not all(d.isdigit() and 48 <= int(d) <= 480 for d in dpis):
        print(__doc__)
        return 2
    paths = [os.path.abspath(a) for a in arguments[1:count + 1]]
    for tool in ("Xvfb", "xdotool", WINESERVER):
        if shutil.which(tool) is None:
            print("skipped: %s is not installed" % tool)
            return 77
    for path in paths[-5:-1]:
        if not os.path.isfile(path):
            print("skipped: %s is not built" % path)
            return 77
    try:
        run(*paths, *dpis)
    except (Failure, subprocess.SubprocessError) as error:
        print("FAILED: %s" % error)
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
