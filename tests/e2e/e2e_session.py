"""One run of the program through tools/run.sh on a display of our own, with
the means to act on it (xdotool) and to look at it (window_probe.exe, the
reference list service, screenshots)."""

import os
import shutil
import signal
import subprocess
import time
import urllib.parse
import urllib.request
from pathlib import Path

from e2e_snapshot import parse
from e2e_template import WindowTemplate

# run.sh opens the program in this Wine desktop, on a 1280 x 800 screen.
DESKTOP = "nuvri"
SERVICE = "127.0.0.1:8460"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def free_display():
    for number in range(120, 400):
        if not (Path(f"/tmp/.X{number}-lock").exists()
                or Path(f"/tmp/.X11-unix/X{number}").exists()):
            return f":{number}"
    raise Failure("no free display number")


def wine_processes(prefix):
    """pid -> command line of the processes that run in the Wine prefix."""
    found = {}
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            environ = (entry / "environ").read_bytes().split(b"\0")
            cmdline = (entry / "cmdline").read_bytes().replace(b"\0", b" ")
        except OSError:
            continue
        if f"WINEPREFIX={prefix}".encode() in environ:
            found[int(entry.name)] = cmdline.decode(errors="replace").strip()
    return found


class Session:
    def __init__(self, root, probe, shots, bits):
        self.root = root
        # run.sh is asked for the build of the tree under test.
        self.bits = bits
        self.arch = "win32" if bits == 32 else "win64"
        self.probe_program = probe
        self.shots = shots
        self.template = WindowTemplate(root / "src/app/main_window.tpl")
        self.prefix = root / ("build/windows" if bits == 32 else "build/windows64") / "wineprefix"
        self.display = free_display()
        self.log = shots / "run.log"
        self.run = None
        self.step = "start"
        self.exit_code = None
        # The run's prefix is the one tools/run.sh gives its user: their own
        # lists are put aside for the run and put back after it.
        self.own_lists = shots / "own-lists-of-the-prefix"
        self.lists_put_aside = False

    def user_lists(self):
        """The program's folder in the prefix's %APPDATA%."""
        users = sorted((self.prefix / "drive_c/users").glob("*/AppData/Roaming"))
        users = [u for u in users if u.parent.parent.name != "Public"]
        return users[0] / "Nuvri" if users else None

    def id(self, name):
        return self.template.ids[name]

    # The program.

    def start(self):
        self.shots.mkdir(parents=True, exist_ok=True)
        for old in self.shots.glob("*.png"):
            old.unlink()
        # The program's hand-offs reach the stand-in browser with this
        # environment, which tells it where to record them.
        env = dict(os.environ, NUVRI_DISPLAY=self.display, NUVRI_WINDOWS_BITS=str(self.bits),
                   NUVRI_OPENED_LOG=str(self.shots / "opened.log"))
        env.pop("DISPLAY", None)
        lists = self.user_lists()
        if lists and lists.exists() and not self.own_lists.exists():
            shutil.copytree(lists, self.own_lists)
        if lists:
            shutil.rmtree(lists, ignore_errors=True)
        self.lists_put_aside = True
        with open(self.log, "wb") as log:
            self.run = subprocess.Popen([str(self.root / "tools/run.sh")], env=env,
                                        stdout=log, stderr=subprocess.STDOUT,
                                        stdin=subprocess.DEVNULL, start_new_session=True)
        # The first start builds the program and makes the Wine prefix.
        deadline = time.monotonic() + 420
        while "the window runs on the virtual display" not in self.run_output():
            check(self.run.poll() is None, f"run.sh ended with {self.run.returncode}")
            check(time.monotonic() < deadline, "run.sh showed no window")
            time.sleep(0.5)
        check(f"virtual display {self.display}." in self.run_output(),
              f"run.sh did not use the display {self.display}")

    def run_output(self):
        try:
            return self.log.read_text(errors="replace")
        except OSError:
            return ""

    def wait_for_exit(self, timeout):
        try:
            self.exit_code = self.run.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
        return self.exit_code

    def end(self):
        if self.run and self.run.poll() is None:
            # run.sh's own clean-up stops its display and service.
            os.killpg(self.run.pid, signal.SIGTERM)
            try:
                self.run.wait(20)
            except subprocess.TimeoutExpired:
                os.killpg(self.run.pid, signal.SIGKILL)
                self.run.wait()
        lists = self.user_lists()
        if self.lists_put_aside and lists:
            shutil.rmtree(lists, ignore_errors=True)
            if self.own_lists.exists():
                shutil.copytree(self.own_lists, lists)
                shutil.rmtree(self.own_lists)

    # Looking.

    def wine_env(self):
        return dict(os.environ, DISPLAY=self.display)

    def probe(self, command="window", rows=None):
        """What the probe sees; list cells only of the first `rows` rows."""
        limit = [] if rows is None else [str(rows)]
        done = subprocess.run([str(self.root / "tools/wine-exec.sh"), self.arch, str(self.prefix),
                               str(self.probe_program), DESKTOP, command, *limit],
                              env=self.wine_env(), capture_output=True, timeout=120)
        return parse(done.stdout.decode("utf-8", errors="replace"))

    def copy_text(self, text):
        """Puts `text` on the clipboard of the program's desktop."""
        subprocess.run([str(self.root / "tools/wine-exec.sh"), self.arch, str(self.prefix),
                        str(self.probe_program), DESKTOP, "copy", text.encode("utf-8").hex()],
                       env=self.wine_env(), capture_output=True, timeout=120, check=True)

    def watch_rows(self, list_id, milliseconds):
        """Starts the probe watching the row count of list `list_id` for
        `milliseconds`; returns a function that waits for the watch to end and
        gives every count seen, in order."""
        watcher = subprocess.Popen(
            [str(self.root / "tools/wine-exec.sh"), self.arch, str(self.prefix),
             str(self.probe_program), DESKTOP, "watch", str(list_id), str(milliseconds)],
            env=self.wine_env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        check(watcher.stdout.readline().startswith(b"watching"), "the watch did not start")

        def counts():
            out, _ = watcher.communicate(timeout=milliseconds / 1000 + 60)
            return [int(line.split(b"\t")[1]) for line in out.splitlines()
                    if line.startswith(b"count")]
        return counts

    def wait(self, what, condition, timeout=30, rows=None):
        """The first snapshot for which `condition` holds."""
        deadline = time.monotonic() + timeout
        while True:
            snap = self.probe(rows=rows)
            if condition(snap):
                return snap
            if time.monotonic() > deadline:
                raise Failure(f"{what}: not seen within {timeout} s")
            time.sleep(0.3)

    def settled(self, what, condition, timeout=30, rows=None):
        """Like wait, then one more look: fills run in pieces, so a list can
        pass a check on its way to its final rows."""
        self.wait(what, condition, timeout, rows)
        time.sleep(1)
        snap = self.probe(rows=rows)
        check(condition(snap), f"{what}: did not stay so")
        return snap

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", str(self.shots / f"{name}.png")],
                       env=dict(os.environ, DISPLAY=self.display), timeout=60,
                       capture_output=True)

    # Acting, as a user: the pointer and the keys.

    def xdotool(self, *args):
        subprocess.run(["xdotool", *(str(a) for a in args)], check=True, timeout=60,
                       env=dict(os.environ, DISPLAY=self.display))

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y)
        time.sleep(0.15)
        self.xdotool("click", button)
        time.sleep(0.3)

    def double_click(self, x, y):
        self.xdotool("mousemove", x, y)
        time.sleep(0.15)
        self.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        time.sleep(0.3)

    def drag(self, start, end, steps=12):
        self.xdotool("mousemove", *start)
        time.sleep(0.2)
        self.xdotool("mousedown", 1)
        time.sleep(0.2)
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            self.xdotool("mousemove", x, y)
            time.sleep(0.05)
        time.sleep(0.2)
        self.xdotool("mouseup", 1)
        time.sleep(0.5)

    def key(self, *names):
        for name in names:
            self.xdotool("key", name)
            time.sleep(0.3)

    # The reference list service.

    def service(self, path):
        with urllib.request.urlopen(f"http://{SERVICE}{path}", timeout=30) as answer:
            return answer.read()

    def expected_rows(self, path):
        """The (title, address) rows the service's answer for `path` must give."""
        text = self.service("/__control/expected?format=lines&path="
                            + urllib.parse.quote(path, safe="")).decode("utf-8")
        return [tuple(line.split("\t")) for line in text.split("\r\n") if line]
