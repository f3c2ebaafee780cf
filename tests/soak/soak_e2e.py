#!/usr/bin/env python3
"""Soak of the real qvconfig under Xvfb: round after round in one game folder,
start the tool, change the quality level with the keyboard, press OK, and
check the settings file it saved.

    soak_e2e.py <rounds> <path-to-qvconfig>     exit 0 pass, 1 fail, 77 skipped
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import e2e  # noqa: E402

# Levels in list order (High, Medium, Low) visited one step at a time, so
# that every round changes the level with a single arrow key.
TARGETS = [1, 2, 1, 0]


def resident_kib(pid):
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def layout(data):
    """The file's lines without their values; None when it is not valid."""
    if not data.endswith(b"\r\n"):
        return None
    lines = []
    for line in data[:-2].split(b"\r\n"):
        if b"\r" in line or b"\n" in line:
            return None
        if not line or (line.startswith(b"[") and line.endswith(b"]")):
            lines.append(line)
        elif line.find(b"=") > 0:
            lines.append(line[:line.find(b"=") + 1])
        else:
            return None
    return b"\n".join(lines)


def performance(data):
    system = data.find(b"[SYSTEM]\r\n")
    key = data.find(b"\r\nPERFORMANCE=", system)
    if system < 0 or key < 0:
        return None
    start = key + len(b"\r\nPERFORMANCE=")
    return int(data[start:data.find(b"\r\n", start)])


def soak(session, rounds):
    settings = session.path(e2e.SETTINGS)
    level = 0  # no file yet: High
    first_kib = last_kib = 0
    started = time.monotonic()
    for round_number in range(1, rounds + 1):
        target = TARGETS[(round_number - 1) % len(TARGETS)]
        arrow = "Down" if target > level else "Up"
        tool, window = e2e.open_main(session)
        kib = resident_kib(tool.pid)
        first_kib = first_kib or kib
        last_kib = kib
        e2e.choose_quality(session, window, arrow)
        session.keys(window, "Return")
        e2e.expect_exit(session, tool, "OK in round %d" % round_number)
        # A thousand rounds must not keep a thousand pipes open.
        tool.stdout.close()
        session.processes.remove(tool)
        with open(settings, "rb") as f:
            data = f.read()
        e2e.check(layout(data) is not None, "round %d: the settings file is not valid" % round_number)
        e2e.check(performance(data) == target, "round %d: PERFORMANCE is %r, not %d"
                  % (round_number, performance(data), target))
        level = target
        if round_number % 100 == 0:
            print("  %d rounds, resident at the window %d KiB" % (round_number, kib), flush=True)
    print("real program rounds: %d in %.1f s" % (rounds, time.monotonic() - started))
    print("resident memory at the window: first round %d KiB, last round %d KiB"
          % (first_kib, last_kib))
    print("settings file valid in every round")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2

    def run():
        session = e2e.Session(os.path.abspath(sys.argv[2]))
        try:
            soak(session, int(sys.argv[1]))
        finally:
            session.close()
    return e2e.drive(run)


if __name__ == "__main__":
    sys.exit(main())
