#!/usr/bin/env python3
"""Exit figures of Tarvelo measured from the Linux side, as a user sees them.

Starts the program with `wine` the way scripts/run does on a display, waits
for its X window, lets it settle, presses Alt+F4 with xdotool and polls every
10 ms: the X window (gone when no longer viewable) and the Tarvelo.exe
process. Prints "name value" lines, medians over --runs starts:
  close_ms               Alt+F4 to the X window gone
  exit_ms                Alt+F4 to the process gone: for the user the window
                         closes at the key press, and under Wine an X window
                         can stay viewable while the driver waits on it, so
                         the key press is the honest start
  exit_after_window_ms   X window gone to the process gone
 Needs DISPLAY, WINEPREFIX and xdotool.
Usage: exit_from_outside.py EXE FOLDER [--runs=N]
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

POLL_S = 0.01


def tarvelo_pid(exe_path, prefix_marker, not_before):
    """Linux pid of our Tarvelo.exe (its command line names the copy)."""
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in not_before:
            continue
        try:
            with open("/proc/%s/cmdline" % entry, "rb") as f:
                cmd = f.read().split(b"\0")[0].decode(errors="replace")
            with open("/proc/%s/environ" % entry, "rb") as f:
                env = f.read()
        except OSError:
            continue
        if cmd.strip() == exe_path and prefix_marker in env:
            return int(entry)
    return None


def viewable_windows(pid):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "^Tarvelo"],
                       capture_output=True, text=True)
    return r.stdout.split()


def alive(pid):
    # The program may be our own child (wine execs into it): a zombie is gone.
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def wait_until(pred, timeout_s):
    end = time.monotonic() + timeout_s
    while time.monotonic() < end:
        value = pred()
        if value:
            return value
        time.sleep(POLL_S)
    return None


def measure_once(exe, folder, prefix_marker):
    before = {int(p) for p in os.listdir("/proc") if p.isdigit()}
    launcher = subprocess.Popen(["wine", exe], cwd=folder, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        pid = wait_until(lambda: tarvelo_pid(exe, prefix_marker, before), 60)
        if not pid:
            print("exit: the program did not start", file=sys.stderr)
            return None
        windows = wait_until(lambda: viewable_windows(pid), 60)
        if not windows:
            print("exit: no window appeared", file=sys.stderr)
            return None
        # Past the one-shot start-folder timer and the first listing.
        time.sleep(2.5)
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], capture_output=True, timeout=10)
        asked = time.monotonic()
        subprocess.run(["xdotool", "key", "alt+F4"], capture_output=True, timeout=10)
        closed = None
        gone = None
        end = asked + 20
        while time.monotonic() < end and gone is None:
            now = time.monotonic()
            if not alive(pid):
                gone = now
                if closed is None:
                    closed = now
                break
            if closed is None and not viewable_windows(pid):
                closed = time.monotonic()
            time.sleep(POLL_S)
        if closed is None or gone is None:
            print("exit: the program did not end within 20 s", file=sys.stderr)
            return None
        return (closed - asked) * 1000.0, (gone - asked) * 1000.0, (gone - closed) * 1000.0
    finally:
        try:
            launcher.wait(timeout=20)
        except subprocess.TimeoutExpired:
            launcher.kill()


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    runs = 5
    for a in sys.argv[1:]:
        if a.startswith("--runs="):
            runs = max(1, int(a.split("=", 1)[1]))
    if len(args) != 2 or not shutil.which("xdotool") or "DISPLAY" not in os.environ:
        print(__doc__, file=sys.stderr)
        return 2
    source, folder = args
    os.makedirs(folder, exist_ok=True)
    exe = os.path.join(folder, "Tarvelo.exe")
    shutil.copyfile(source, exe)
    marker = ("WINEPREFIX=" + os.environ["WINEPREFIX"] + "\0").encode()
    closes, exits, afters = [], [], []
    for _ in range(runs):
        result = measure_once(exe, folder, marker)
        if result:
            closes.append(result[0])
            exits.append(result[1])
            afters.append(result[2])
    if not exits:
        return 1
    print("close_ms %.1f" % statistics.median(closes))
    print("exit_ms %.1f" % statistics.median(exits))
    print("exit_after_window_ms %.1f" % statistics.median(afters))
    return 0


if __name__ == "__main__":
    sys.exit(main())
