#!/usr/bin/env python3
"""Kills a real velkor with SIGKILL at random moments while it switches between two projects, and
checks that no session ever stands twice in the log.

Runs the program under Xvfb and clicks with xdotool (both Debian packages). At each start, a
session left open is offered by the crash guard and answered with Continue, so that a session
offered although it was already in the log would be written a second time at the next switch.
Usage: tools/kill_switches.py PATH/TO/velkor [SWITCHES] [FOLDER]
With KILL_SWITCHES_DISPLAY set (":91"), an X server already running there is used instead of a
new Xvfb; nothing else may click on it meanwhile.
"""
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time


def xdo(*args):
    # A command that waits for an event that never comes (a pointer already in place) is given up.
    try:
        return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=5).stdout.strip()
    except subprocess.TimeoutExpired:
        return ""


def windows(pid, name):
    return [w for w in xdo("search", "--all", "--pid", pid, "--name", name).split() if w]


def open_session(folder):
    """The session in the crash record, as (check-in fields, category, project), or None."""
    try:
        data = open(os.path.join(folder, "velkors.lck"), "rb").read()
    except OSError:
        return None
    if len(data) < 14 or struct.unpack_from("<i", data, 0)[0] != 1:
        return None
    minute, hour, _, second = data[4:8]
    year, day, month = struct.unpack_from("<iBB", data, 8)
    at = 14
    names = []
    for _ in range(2):
        (n,) = struct.unpack_from("<i", data, at)
        names.append(data[at + 4:at + 3 + n].decode("utf-8", "replace"))
        at += 4 + n
    return ("%d/%02d/%02d\t%02d:%02d:%02d" % (year, month, day, hour, minute, second), names[0], names[1])


def records(folder):
    try:
        lines = open(os.path.join(folder, "velkors.log"), "rb").read().decode("utf-8", "replace").split("\n")
    except OSError:
        return []
    return [line.rstrip("\r").split("\t") for line in lines if line.strip()]


def recorded(session, folder):
    """Whether the open session stands in the log already (a record that took some time)."""
    return any(r[0] + "\t" + r[1] == session[0] and r[0:2] != r[2:4] and r[4:6] == list(session[1:])
               for r in records(folder))


def duplicates(folder):
    seen, doubled = set(), []
    for r in records(folder):
        if len(r) < 6 or r[0:2] == r[2:4]:
            continue  # a session of no length may begin in the second another one ended
        key = tuple(r[0:2] + r[4:6])
        if key in seen:
            doubled.append("\t".join(r))
        seen.add(key)
    return doubled


def start(velkor, folder):
    """A started program; a server that is resetting (its last client went) is tried again."""
    for attempt in range(3):
        try:
            return Program(velkor, folder)
        except RuntimeError as error:
            if "could not connect to display" not in str(error) or attempt == 2:
                raise
            time.sleep(1)


class Program:
    def __init__(self, velkor, folder):
        self.output = os.path.join(tempfile.gettempdir(), "velkor-kill-output-%d.txt" % os.getpid())
        with open(self.output, "wb") as output:
            self.process = subprocess.Popen([velkor], cwd=folder, stdout=output, stderr=output)
        self.window = None
        deadline = time.time() + 90  # a loaded machine starts slowly
        while time.time() < deadline and not self.window and self.process.poll() is None:
            found = windows(self.process.pid, "^Velkor$|- Velkor$")
            self.window = found[0] if found else None
            time.sleep(0.05)
        if not self.window:
            shown = [xdo("getwindowname", w) for w in windows(self.process.pid, ".")]
            with open(self.output, "rb") as output:
                said = output.read().decode("utf-8", "replace")
            raise RuntimeError("no main window (exit status %s, windows %r, output %r)" % (self.process.poll(), shown, said))

    def answer_crash_guard(self, expected):
        """Answers the crash guard with Continue (its default button); whether it was shown."""
        deadline = time.time() + (15 if expected else 1.0)
        shown = False
        while time.time() < deadline:
            guard = windows(self.process.pid, "Crash Guard")
            if not guard:
                if shown:
                    return True
                time.sleep(0.05)
                continue
            # A key sent before the dialog takes input is lost: pressed until the dialog is gone.
            if not shown:
                shown = True
                deadline = time.time() + 5
            xdo("windowactivate", guard[0])
            xdo("key", "--window", guard[0], "Return")
            time.sleep(0.2)
        if shown:
            raise RuntimeError("the crash guard did not close")
        return False

    def caption(self):
        return xdo("getwindowname", self.window)

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()


def main():
    velkor = os.path.realpath(sys.argv[1])
    switches = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    folder = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp(prefix="velkor-kill-")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "project.txt"), "wb") as f:
        f.write(b"[categories]\r\ncWork\r\n[Work]\r\npOne\r\npTwo\r\n")
    with open(os.path.join(folder, "velkors.ini"), "wb") as f:
        f.write(b"[velkors]\r\nWindowPosition=0 0\r\nWindowSize=400x300\r\nCloseOnSelect=n\r\n"
                b"ExitWhileCheckedIn=1\r\nSupressLCCPWarning=1\r\n")
    if os.environ.get("KILL_SWITCHES_DISPLAY"):  # a server that is running already
        os.environ.update(DISPLAY=os.environ["KILL_SWITCHES_DISPLAY"], QT_QPA_PLATFORM="xcb")
        return run(velkor, switches, folder)
    # Xvfb picks a display no other server uses and tells its number once it takes clients.
    ready_read, ready_write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(ready_write), "-noreset", "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=[ready_write])
    os.close(ready_write)
    display = ":" + os.fdopen(ready_read).readline().strip()
    os.environ.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
    try:
        return run(velkor, switches, folder)
    finally:
        xvfb.terminate()


def run(velkor, switches, folder):
    # Where the two project lines are: clicked down the first column until each shows up in
    # the caption.
    program = start(velkor, folder)
    program.answer_crash_guard(False)
    lines = {}
    for y in range(20, 200, 3):
        xdo("mousemove", 30, y, "click", 1)
        time.sleep(0.1)
        caption = program.caption()
        for name in ("One", "Two"):
            if caption.startswith(name + " ") and name not in lines:
                lines[name] = y
        if len(lines) == 2:
            break
    if len(lines) != 2:
        raise RuntimeError("project lines not found: %r" % lines)
    print("project lines at", lines, flush=True)

    done = kills = offers = hits = 0
    while done < switches:
        for burst in range(random.randint(1, 12), 0, -1):
            current = program.caption().split(" ")[0]
            target = "Two" if current == "One" else "One"
            xdo("mousemove", 30, lines[target], "click", 1)
            done += 1
            # The last switch of a burst is killed while it is written, or just after.
            time.sleep(random.uniform(0.0, 0.4) if burst > 1 else random.uniform(0.0, 0.02))
        program.kill()
        kills += 1
        if kills % 50 == 0:
            print("%d switches, %d kills, %d offered, %d between log line and reset" % (done, kills, offers, hits),
                  flush=True)
        session = open_session(folder)
        # Killed between writing the session to the log and resetting its record: the next
        # start must not offer it.
        hit = session is not None and recorded(session, folder)
        hits += hit
        program = start(velkor, folder)
        offered = program.answer_crash_guard(session is not None and not hit)
        offers += offered
        if hit and offered:
            print("offered a session already in the log:", session, flush=True)
        doubled = duplicates(folder)
        if doubled:
            print("SESSION TWICE IN THE LOG:", doubled, flush=True)
            return 1
    program.kill()
    print("%d switches, %d kills, %d sessions offered back, %d kills between the log line and the "
          "record's reset, %d records, no session twice" % (done, kills, offers, hits, len(records(folder))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
