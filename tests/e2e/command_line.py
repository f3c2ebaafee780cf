#!/usr/bin/env python3
"""The command line of the real qvconfig, offscreen: each option and each error.
None may open a window (the run would then wait for a player and time out) or
leave anything behind.

    command_line.py <path-to-qvconfig> <version>     exit 0 pass, 1 fail
"""
import os
import shutil
import subprocess
import sys
import tempfile

from e2e import Failure, check

USAGE = "Usage: qvconfig [--help] [--version] [GAME_FOLDER]\n"


def run(binary, work, arguments):
    """Runs the tool from empty folders of its own; returns status, output, errors."""
    folders = {name: os.path.join(work, name) for name in ("cwd", "cache", "run")}
    for folder in folders.values():
        os.mkdir(folder, 0o700)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CACHE_HOME=folders["cache"],
               XDG_RUNTIME_DIR=folders["run"])
    try:
        result = subprocess.run([binary, *arguments], cwd=folders["cwd"], env=env,
                                capture_output=True, text=True, timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure("%r did not end: it opened a window" % arguments)
    for folder in folders.values():
        check(os.listdir(folder) == [], "%r left %r behind" % (arguments, os.listdir(folder)))
        os.rmdir(folder)
    return result.returncode, result.stdout, result.stderr


def expect(binary, work, arguments, *outcome):
    got = run(binary, work, arguments)
    check(got == outcome, "%r gave %r, expected %r" % (arguments, got, outcome))


def cases(binary, version, work):
    status, help_text, errors = run(binary, work, ["--help"])
    check(status == 0 and errors == "" and help_text.startswith("Usage: qvconfig [GAME_FOLDER]\n")
          and "--version" in help_text, "--help gave %r" % ((status, help_text, errors),))
    expect(binary, work, ["-h"], 0, help_text, "")
    expect(binary, work, ["--version"], 0, "qvconfig %s\n" % version, "")
    expect(binary, work, ["--bogus"], 2, "", "qvconfig: unknown option '--bogus'\n" + USAGE)
    expect(binary, work, [work, work], 2, "",
           "qvconfig: one game folder at most, but '%s' follows '%s'\n%s" % (work, work, USAGE))
    missing = os.path.join(work, "no such folder")
    expect(binary, work, [missing], 2, "", "qvconfig: the game folder '%s' does not exist\n" % missing)
    a_file = os.path.join(work, "Zarvex.exe")
    open(a_file, "w").close()
    expect(binary, work, [a_file], 2, "", "qvconfig: '%s' is not a folder\n" % a_file)
    if os.geteuid() != 0:  # root enters any folder
        closed = os.path.join(work, "closed")
        os.mkdir(closed, 0)
        status, out, errors = run(binary, work, [closed])
        os.chmod(closed, 0o700)
        check(status == 2 and out == "" and
              errors.startswith("qvconfig: cannot enter the game folder '%s': " % closed),
              "a folder that cannot be entered gave %r" % ((status, out, errors),))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    work = tempfile.mkdtemp(prefix="qv_command_line_")
    try:
        cases(os.path.abspath(sys.argv[1]), sys.argv[2], work)
    except Failure as error:
        print("FAILED: %s" % error)
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
