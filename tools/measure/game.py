"""Driving the game's real window for measurements: a private X server, the program with
its opt-in logs, the buttons pressed with xdotool, and the process read from /proc."""

import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

# Centres of the controls in window coordinates (the window is 634 x 463).
CONTROLS = {
    "comsave": (577, 111),
    "comload": (578, 136),
    "comstart": (577, 161),
    "commove": (577, 277),
    "comtalk": (577, 325),
    "comlook": (577, 375),
}


class XServer:
    """An Xvfb of our own, so the figures do not depend on a desktop. It does not reset when
    its last client leaves, or a game started in that moment finds no display."""

    def __init__(self, size="1024x768"):
        read_end, write_end = os.pipe()
        self.size = size
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size + "x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def close(self):
        self.process.terminate()
        self.process.wait()


def pin(pid, cpu):
    """Keeps every thread of process `pid` on processor `cpu`."""
    for tid in os.listdir(f"/proc/{pid}/task"):
        os.sched_setaffinity(int(tid), {cpu})


def fit_into(size):
    """The window's fullscreen fit on a screen of `size` ("WxH"): the factor and the top-left
    corner of the scaled 634 x 463 client area, as the window computes them."""
    width, height = (int(n) for n in size.split("x"))
    factor = min(width / 634, height / 463)
    return factor, (width - round(634 * factor)) // 2, (height - round(463 * factor)) // 2


class Game:
    """One run of build/hazama, its standard error collected line by line with the
    monotonic time each line arrived. Its settings folder is a fresh one (the defaults: a
    window, full volume) unless `env` names another XDG_CONFIG_HOME."""

    def __init__(self, build, display, env=None, log_frames=True, program="hazama"):
        self.config = tempfile.mkdtemp(prefix="hazama-config-")
        self.env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=self.config)
        if log_frames:
            self.env["HAZAMA_LOG_FRAMES"] = "1"
        self.env.update(env or {})
        self.lines = []
        self.arrived = []  # the monotonic time each line arrived
        self._changed = threading.Condition()
        self.started = time.monotonic()
        self.process = subprocess.Popen([os.path.join(build, program)], env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        text=True)
        self.pid = self.process.pid
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self.window = None
        self.fit = (1.0, 0, 0)  # see fit_into

    def _read(self):
        for line in self.process.stderr:
            now = time.monotonic()
            with self._changed:
                self.arrived.append(now)
                self.lines.append(line.rstrip("\n"))
                self._changed.notify_all()

    def wait_line(self, pattern, after=0, timeout=10.0):
        """The first line from index `after` on matching `pattern`, and its index."""
        regex = re.compile(pattern)
        deadline = time.monotonic() + timeout
        with self._changed:
            while True:
                for i in range(after, len(self.lines)):
                    if regex.search(self.lines[i]):
                        return i, self.lines[i]
                left = deadline - time.monotonic()
                if left <= 0 or self.process.poll() is not None:
                    raise RuntimeError(f"no line matching {pattern!r} from the game")
                self._changed.wait(left)

    def visible_windows(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                             env=self.env, capture_output=True, text=True).stdout
        return [w for w in out.split()]

    def find_window(self, timeout=10.0, size="634x463"):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for w in self.visible_windows():
                geometry = subprocess.run(["xdotool", "getwindowgeometry", w], env=self.env,
                                          capture_output=True, text=True).stdout
                if size in geometry:
                    self.window = w
                    return w
            if self.process.poll() is not None:
                break
            time.sleep(0.05)
        raise RuntimeError("the game's window did not appear: " + " / ".join(self.lines[-3:]))

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def focus(self):
        """Gives the window the keyboard, with the pointer over its scene."""
        self.xdotool("windowfocus", "--sync", self.window)
        self.xdotool("mousemove", "--window", self.window, "260", "200")

    def key(self, *keys):
        """Types `keys` (xdotool's names) into the focused window."""
        self.xdotool("key", "--delay", "20", *keys)

    def click(self, control):
        factor, left, top = self.fit
        x, y = CONTROLS[control]
        x, y = str(round(left + x * factor)), str(round(top + y * factor))
        self.xdotool("mousemove", "--window", self.window, x, y, "click", "1")

    def load(self, save_path, timeout=10.0):
        """Presses load, answers the file dialog with `save_path` and waits until the
        loaded scene's dissolve has ended. Returns the index of the fade's log line."""
        if self.window is None:
            self.find_window()
        before = len(self.lines)
        self.click("comload")
        deadline = time.monotonic() + timeout
        while len(self.visible_windows()) < 2:
            if time.monotonic() > deadline:
                raise RuntimeError("the file dialog did not open")
            time.sleep(0.05)
        time.sleep(0.2)  # let the file name box take the focus
        self.xdotool("type", "--delay", "5", save_path)
        self.xdotool("key", "Return")
        index, line = self.wait_line(r"^note \S+ cpu \S+ fade ", after=before, timeout=timeout)
        span_ms = int(line.split()[5])
        self.wait_line(r"^frame ", after=index + 1, timeout=timeout)
        time.sleep(span_ms / 1000 + 0.3)
        return index

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.config, ignore_errors=True)


def thread_cpu(pid):
    """{tid: (name, CPU ns, voluntary switches)} for every thread of `pid`."""
    result = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        base = f"/proc/{pid}/task/{tid}"
        try:
            with open(base + "/comm") as f:
                name = f.read().strip()
            with open(base + "/schedstat") as f:
                ns = int(f.read().split()[0])
            with open(base + "/status") as f:
                wakes = int(re.search(r"^voluntary_ctxt_switches:\s+(\d+)", f.read(),
                                      re.M).group(1))
        except (FileNotFoundError, ProcessLookupError):
            continue  # the thread ended meanwhile
        result[int(tid)] = (name, ns, wakes)
    return result


def memory(pid):
    """VmRSS, VmHWM, RssAnon and RssFile in MB."""
    with open(f"/proc/{pid}/status") as f:
        text = f.read()
    figures = {}
    for key in ("VmRSS", "VmHWM", "RssAnon", "RssFile"):
        figures[key] = int(re.search(rf"^{key}:\s+(\d+) kB", text, re.M).group(1)) / 1024
    return figures


def smaps_groups(pid):
    """Resident MB by mapping, grouped: the heap and anonymous memory, each library, fonts."""
    groups = {}
    name = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            if re.match(r"^[0-9a-f]+-[0-9a-f]+ ", line):
                parts = line.split()
                name = parts[5] if len(parts) > 5 else "[anonymous]"
                name = os.path.basename(name) if name.startswith("/") else name
            elif line.startswith("Rss:"):
                groups[name] = groups.get(name, 0) + int(line.split()[1]) / 1024
    return groups


class SoundFontFolder:
    """A folder holding only the named SoundFont, to run the game with the smaller one."""

    def __init__(self, soundfont):
        self.path = tempfile.mkdtemp(prefix="hazama-sf2-")
        os.symlink(soundfont, os.path.join(self.path, os.path.basename(soundfont)))

    def close(self):
        shutil.rmtree(self.path)
