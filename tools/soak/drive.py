#!/usr/bin/python3
"""Plays the game at random under a private Xvfb and watches it.

Started by tools/soak.sh. Sends left and right clicks anywhere in the window (never on the
quit button), the command buttons, Space, Enter and other keys (the history's and F2, F3
among them), the wheel, Ctrl held and released, F11, the save and load dialogs opened and
cancelled, answers to the move chooser, and to the right-click menu an entry chosen or the
menu dismissed; and what players do with the positions and choices: quick save and load
(F5, F9), the slot screen (F6, F7: its arrows, pages, Enter, Delete and the questions they
ask answered either way), going back a line (Ctrl+Z, the wheel tilted), the history's
return to a line, the settings dialog worked with the keyboard, and the language switched
from the menu; all drawn from one seed. Every few seconds it covers part of the window and checks
that the game paints it again. At the end it closes the window through the window manager
protocol, in half the runs while a file dialog is open, and times the close: from the
request to the end of main (the window destroyed), and to the end of the process, which
adds the sanitizers' leak check. Fails on a sanitizer report, a crash, a window that does
not repaint within 10 s, or a close slower than one second.
"""
import argparse
import os
import random
import re
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display, error, protocol
from Xlib.ext import xtest

WIDTH, HEIGHT = 634, 463
QUIT_BUTTON = (529, 232, 97, 17)
COMMAND_BUTTONS = [(529, 257, 97, 41), (529, 305, 97, 41), (529, 355, 97, 41),
                   (529, 103, 97, 17), (530, 128, 97, 17), (529, 153, 97, 17)]
SAVE_BUTTON, LOAD_BUTTON = COMMAND_BUTTONS[3], COMMAND_BUTTONS[4]
CHOOSER_SIZE = (308, 201)
SLOT_SCREEN_SIZE = (632, 404)
# The dialogs' titles in either language.
SLOT_TITLES = {"セーブ", "ロード", "Save", "Load"}
SETTINGS_TITLES = {"設定", "Settings"}
BOX_TITLES = {"ハザマ", "Hazama"}
CHOOSER_TITLES = {"移動", "Move"}
SLOT_KEYS = ["Left", "Right", "Up", "Down", "Prior", "Next", "Return", "Delete", "Escape"]
SETTINGS_KEYS = ["Tab", "Tab", "Left", "Right", "Up", "Down", "space", "Escape"]
OTHER_KEYS = ["a", "z", "q", "1", "Escape", "Tab", "BackSpace", "Left", "Up", "Down",
              "Right", "Home", "End", "Prior", "Page_Down", "F1", "F2", "F3", "F5", "Shift_L",
              "Super_L"]
REPAINT_LIMIT_S = 10.0
CLOSE_LIMIT_S = 1.0
REPORT = re.compile(r"ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|"
                    r"SUMMARY: \w+Sanitizer")
MAGENTA = 0xFF00FF


class Failure(Exception):
    pass


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
         "tcp", "-noreset"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    return server, ":" + number


class Game:
    """One run of the program and its windows."""

    def __init__(self, program, env, log):
        self.log = log
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=log)
        self.window = None

    def exited(self):
        return self.process.poll() is not None


class Driver:
    def __init__(self, args, xdisplay):
        self.args = args
        self.rng = random.Random(args.seed)
        self.d = display.Display(xdisplay)
        self.root = self.d.screen().root
        self.inputs = 0
        self.ctrl = False
        self.probes = 0
        self.slowest_repaint = 0.0
        self.closed_in_dialog = False
        self.closed_in_menu = False
        self.menus = 0
        self.right_clicks = 0
        self.window_hidden = None
        self.window_destroyed = None
        self.slot_screens = 0
        self.settings = 0
        self.questions = 0
        self.positions = 0

    # ---------------------------------------------------------------- windows

    def title(self, window):
        name = window.get_full_property(self.d.intern_atom("_NET_WM_NAME"), 0)
        if name is None or not name.value:
            return ""
        value = name.value
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)

    def top_windows(self):
        """The game's mapped top-level windows: (window, x, y, width, height, popup); a popup
        (the right-click menu and its submenu) is placed by the game itself."""
        found = []
        for w in self.root.query_tree().children:
            try:
                if w.get_attributes().map_state != X.IsViewable:
                    continue
                cls = w.get_wm_class()
                if not cls or cls[1].lower() != "hazama":
                    continue
                popup = bool(w.get_attributes().override_redirect)
                g = w.get_geometry()
                found.append((w, g.x, g.y, g.width, g.height, popup))
            except error.BadWindow:
                continue
        return found

    def wait_for_window(self, game):
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            for w, x, y, width, height, popup in self.top_windows():
                if (width, height) == (WIDTH, HEIGHT) and not popup:
                    game.window = w
                    return
            if game.exited():
                raise Failure("the game ended before its window appeared (status %d)"
                              % game.process.returncode)
            time.sleep(0.1)
        raise Failure("no game window within 60 s")

    def origin(self, game):
        at = self.root.translate_coords(game.window, 0, 0)
        return at.x, at.y

    def dialog(self, game):
        """The first window of the game's besides its main one: (x, y, width, height, popup,
        title, window). A question asked over the slot screen comes before it."""
        found = None
        for w, x, y, width, height, popup in self.top_windows():
            if w.id != game.window.id:
                try:
                    title = self.title(w)
                except error.BadWindow:
                    continue
                box = (x, y, width, height, popup, title, w)
                if found is None or title in BOX_TITLES:
                    found = box
        return found

    def cancel(self):
        """Escape for a dialog, with Ctrl let go first: Ctrl+Escape cancels nothing, and a
        dialog left open takes every later input until the end of the run."""
        self.set_ctrl(False)
        self.key("Escape")

    # ---------------------------------------------------------------- input

    def key(self, name):
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.sync()
        self.inputs += 1

    def set_ctrl(self, down):
        if down == self.ctrl:
            return
        code = self.d.keysym_to_keycode(XK.string_to_keysym("Control_L"))
        xtest.fake_input(self.d, X.KeyPress if down else X.KeyRelease, code)
        self.d.sync()
        self.ctrl = down
        self.inputs += 1

    def chord(self, name):
        """`name` with Ctrl held, let go at once (before a held Ctrl starts skipping)."""
        was = self.ctrl
        self.set_ctrl(True)
        self.key(name)
        self.set_ctrl(was)

    def position_input(self, ox, oy):
        """What players do with positions and choices, one of them."""
        self.positions += 1
        r = self.rng.random()
        if r < 0.2:
            self.key(self.rng.choice(["F5", "F9"]))
        elif r < 0.35:
            self.key(self.rng.choice(["F6", "F7"]))
        elif r < 0.5:
            self.chord("z")
        elif r < 0.6:
            self.click(*self.anywhere(ox, oy), button=6)  # the wheel tilted left
        elif r < 0.75:
            # The history, a line in it chosen, and back to it.
            self.click(*self.anywhere(ox, oy), button=4)
            for _ in range(self.rng.randrange(1, 4)):
                self.key("Up")
            self.key("Return")
        elif r < 0.88:
            # The menu's language entry (言語 / Language, &L), then one of the two.
            self.click(*self.anywhere(ox, oy), button=3)
            time.sleep(0.1)
            self.key("l")
            time.sleep(0.05)
            self.key(self.rng.choice(["Up", "Down"]))
            self.key("Return")
        else:
            # The settings (&S) from the menu; the dialog is then worked by answer_dialog.
            self.click(*self.anywhere(ox, oy), button=3)
            time.sleep(0.1)
            self.key("s")

    def click(self, x, y, button=1):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.d, X.ButtonPress, button)
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()
        self.inputs += 1

    def point_in(self, rect, ox=0, oy=0):
        x, y, w, h = rect
        return ox + x + self.rng.randrange(w), oy + y + self.rng.randrange(h)

    def anywhere(self, ox, oy):
        while True:
            x, y = self.rng.randrange(WIDTH), self.rng.randrange(HEIGHT)
            qx, qy, qw, qh = QUIT_BUTTON
            if not (qx <= x < qx + qw and qy <= y < qy + qh):
                return ox + x, oy + y

    def answer_dialog(self, box, game):
        """A chooser gets one of its buttons; the menu a click on an entry (or a submenu, or a
        greyed one), Escape, or a click beside it; the slot screen and the settings their
        keys; a question either answer; any other dialog (a file dialog) is cancelled with
        Escape, so that no save file is written by chance."""
        x, y, width, height, popup, title, window = box
        if not popup:
            # Keys go to the dialog: without a window manager, nothing else gives it the
            # focus.
            try:
                window.set_input_focus(X.RevertToPointerRoot, X.CurrentTime)
                self.d.sync()
            except error.BadWindow:
                return
        if popup:
            self.menus += 1
            r = self.rng.random()
            if r < 0.6:
                self.click(*self.point_in((0, 0, width, height), x, y))
            elif r < 0.8:
                self.cancel()
            else:
                self.click(*self.anywhere(*self.origin(game)))
        elif title in CHOOSER_TITLES:
            # Drawn at the window's factor.
            f = width / CHOOSER_SIZE[0]
            i = self.rng.randrange(4)
            self.click(*self.point_in((int(7 * f), int((36 + 40 * i) * f), int(289 * f),
                                       int(33 * f)), x, y))
        elif title in SLOT_TITLES:
            self.slot_screens += 1
            self.set_ctrl(False)
            self.key(self.rng.choice(SLOT_KEYS))
        elif title in SETTINGS_TITLES:
            self.settings += 1
            self.set_ctrl(False)
            self.key(self.rng.choice(SETTINGS_KEYS))
        elif title in BOX_TITLES:
            self.questions += 1
            self.set_ctrl(False)
            self.key("Return" if self.rng.random() < 0.6 else "Escape")
        else:
            self.cancel()

    def act(self, game):
        """One random input. While a dialog is open only the dialog is answered, so a file
        is never saved or loaded by chance."""
        box = self.dialog(game)
        if box is not None:
            self.answer_dialog(box, game)
            return
        ox, oy = self.origin(game)
        r = self.rng.random()
        if r < 0.30:
            self.click(*self.anywhere(ox, oy))
        elif r < 0.38:
            self.right_clicks += 1
            self.click(*self.anywhere(ox, oy), button=3)
        elif r < 0.50:
            self.click(*self.point_in(self.rng.choice(COMMAND_BUTTONS), ox, oy))
        elif r < 0.62:
            self.key("space")
        elif r < 0.70:
            self.key("Return")
        elif r < 0.76:
            self.key(self.rng.choice(OTHER_KEYS))
        elif r < 0.84:
            self.click(*self.anywhere(ox, oy), button=self.rng.choice([4, 5]))
        elif r < 0.90:
            self.set_ctrl(not self.ctrl)
        elif r < 0.91:
            self.key("F11")
        elif r < 0.97:
            self.position_input(ox, oy)
        else:
            # Open the save or the load dialog and cancel it once it is up.
            self.click(*self.point_in(self.rng.choice([SAVE_BUTTON, LOAD_BUTTON]), ox, oy))
            deadline = time.monotonic() + 1.0
            while time.monotonic() < deadline and self.dialog(game) is None:
                time.sleep(0.05)
            if self.dialog(game) is not None:
                self.cancel()

    # ---------------------------------------------------------------- watching

    def magenta_share(self, x, y, w, h):
        raw = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
        pixels = memoryview(raw).cast("I")
        return sum(1 for p in pixels if p & 0xFFFFFF == MAGENTA) / len(pixels)

    def probe_repaint(self, game):
        """Covers part of the window with a magenta square, takes it away, and waits until
        the game has painted over what the square left behind."""
        ox, oy = self.origin(game)
        x, y, w, h = ox + 150, oy + 120, 160, 100
        screen = self.d.screen()
        cover = self.root.create_window(x, y, w, h, 0, screen.root_depth,
                                        background_pixel=MAGENTA, override_redirect=True)
        cover.map()
        self.d.sync()
        deadline = time.monotonic() + 2
        while self.magenta_share(x, y, w, h) < 0.99 and time.monotonic() < deadline:
            time.sleep(0.01)
        cover.unmap()
        cover.destroy()
        self.d.sync()
        start = time.monotonic()
        while self.magenta_share(x, y, w, h) > 0.01:
            if game.exited():
                return
            waited = time.monotonic() - start
            if waited > REPAINT_LIMIT_S:
                raise Failure("the window did not repaint for %.0f s" % waited)
            time.sleep(0.02)
        self.probes += 1
        self.slowest_repaint = max(self.slowest_repaint, time.monotonic() - start)

    def close(self, game):
        """Lets go of Ctrl and asks the window to close as a window manager would: in half
        the runs (by the seed) with the save or load dialog open, else as play left it."""
        self.set_ctrl(False)
        if self.dialog(game) is None and self.rng.random() < 0.5:
            ox, oy = self.origin(game)
            self.click(*self.point_in(self.rng.choice([SAVE_BUTTON, LOAD_BUTTON]), ox, oy))
            deadline = time.monotonic() + 2.0
            while time.monotonic() < deadline and self.dialog(game) is None:
                time.sleep(0.05)
        box = self.dialog(game)
        self.closed_in_dialog = box is not None and not box[4]
        self.closed_in_menu = box is not None and box[4]
        protocols = self.d.intern_atom("WM_PROTOCOLS")
        delete = self.d.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=game.window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        start = time.monotonic()
        game.window.send_event(event)
        self.d.sync()
        # The window is hidden as soon as the game takes the request, and destroyed at the
        # end of main; after that the process only runs the sanitizers' leak check.
        self.window_hidden = self.window_destroyed = None
        while game.process.poll() is None and time.monotonic() - start < 30:
            try:
                hidden = game.window.get_attributes().map_state != X.IsViewable
            except error.BadWindow:
                hidden = True
                if self.window_destroyed is None:
                    self.window_destroyed = time.monotonic() - start
            if hidden and self.window_hidden is None:
                self.window_hidden = time.monotonic() - start
            time.sleep(0.002)
        if game.process.poll() is None:
            game.process.kill()
            raise Failure("the game did not end within 30 s of the close request")
        exited = time.monotonic() - start
        if self.window_destroyed is None:
            self.window_destroyed = exited
        return exited


def check_run(game, log_path, how):
    """A finished run: no sanitizer report, no crash, status 0."""
    with open(log_path, errors="replace") as f:
        text = f.read()
    report = REPORT.search(text)
    if report:
        raise Failure("sanitizer report after %s:\n%s" % (how, text[report.start():][:6000]))
    if game.process.returncode != 0:
        raise Failure("the game ended with status %d after %s:\n%s"
                      % (game.process.returncode, how, text[-3000:]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--seconds", type=float, required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--suppressions", required=True)
    args = parser.parse_args()

    print("soak: seed %d, %g s" % (args.seed, args.seconds), flush=True)
    server, xdisplay = start_xvfb()
    home = tempfile.TemporaryDirectory(prefix="hazama-soak-")
    env = dict(os.environ, DISPLAY=xdisplay, QT_QPA_PLATFORM="xcb", HOME=home.name,
               XDG_CONFIG_HOME=home.name + "/config", XDG_DATA_HOME=home.name + "/data",
               XDG_CACHE_HOME=home.name + "/cache", XDG_RUNTIME_DIR=home.name,
               ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:exitcode=23:fast_unwind_on_malloc=0",
               LSAN_OPTIONS="suppressions=%s:print_suppressions=0" % args.suppressions,
               UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
    env.pop("SESSION_MANAGER", None)
    runs = 0
    close_s = exit_s = None
    try:
        driver = Driver(args, xdisplay)
        end = time.monotonic() + args.seconds
        while True:
            runs += 1
            log_path = os.path.join(home.name, "run%d.log" % runs)
            with open(log_path, "w") as log:
                game = Game(args.program, env, log)
            driver.wait_for_window(game)
            driver.d.sync()
            next_probe = time.monotonic() + 2
            while time.monotonic() < end and not game.exited():
                driver.act(game)
                time.sleep(driver.rng.uniform(0.02, 0.15))
                if time.monotonic() >= next_probe and not game.exited():
                    driver.probe_repaint(game)
                    next_probe = time.monotonic() + driver.rng.uniform(2, 4)
            if game.exited():
                # Only a crash or the game's own end lands here: the quit button is never
                # clicked, so play on in a new run.
                game.process.wait()
                check_run(game, log_path, "run %d ended by itself" % runs)
                if time.monotonic() < end:
                    continue
                break
            exit_s = driver.close(game)
            close_s = driver.window_destroyed
            check_run(game, log_path, "the close")
            if close_s > CLOSE_LIMIT_S:
                raise Failure("the close took %.0f ms" % (close_s * 1000))
            break
        closed = "no close"
        if close_s is not None:
            closed = "close %.0f ms%s (window hidden after %.0f ms, process gone after %.0f ms" \
                     " with the leak check)" % (
                         close_s * 1000,
                         " inside a dialog" if driver.closed_in_dialog else
                         " inside the menu" if driver.closed_in_menu else "",
                         (driver.window_hidden or close_s) * 1000, exit_s * 1000)
        print("soak: passed, seed %d, %d inputs, %d runs, %d right clicks, %d menus answered,"
              " %d position or choice inputs, %d keys in the slot screen, %d in the settings,"
              " %d questions answered, %d repaint checks (slowest %.0f ms), %s"
              % (args.seed, driver.inputs, runs, driver.right_clicks, driver.menus,
                 driver.positions, driver.slot_screens, driver.settings, driver.questions,
                 driver.probes, driver.slowest_repaint * 1000, closed))
        return 0
    except Failure as failure:
        print("soak: FAILED with seed %d after %d runs: %s" % (args.seed, runs, failure))
        return 1
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
