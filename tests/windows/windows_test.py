#!/usr/bin/python3
"""The Windows build under Wine: the installer, the installed program, its
files and the uninstaller, from outside, on an Xvfb desktop with openbox.

    /usr/bin/python3 tests/windows/windows_test.py build-windows build [screenshots]

build is the Linux build, whose --help and --csv are the references. In a
fresh Wine prefix it:

  1. installs silently (/S): the program, its content, the Start-menu and
     desktop shortcuts;
  2. starts the installed program: the splash, then the menu, on screen;
  3. plays a labelling game and stops it with Escape: the summary, and one
     record in %APPDATA%\\Fonikra\\prgst6.stt (nothing beside the program),
     whose bytes say what was played; then ends the session (logging off)
     during a second game, which is recorded too;
  4. runs --help, --csv and --xlsx from the Windows command line: the help
     is the Linux build's, byte for byte, the CSV is the one the Linux build
     makes of the same file, and the workbook holds both games;
  5. uninstalls silently: the program's folder and shortcuts go, the user's
     files stay as they were.

Screenshots go to the folder named third, if any. Exit status 0 passed, 1
failed, 77 skipped.
"""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
import desktop_smoke as smoke  # noqa: E402

INSTALL_DIR = r"C:\Program Files\Mini Fonikra"
MENU_FOLDER = "Mini Fonikra Cz.I"


class WineDesktop(smoke.Desktop):
    """The smoke test's desktop, with the program installed in a Wine prefix
    of its own instead of copied into a folder."""

    def __init__(self, work, build):
        super().__init__("windows", work, os.path.join(build, "MiniFonikra.exe"), os.path.join(build, "Data"),
                         (1024, 768), smoke.LABELLING_CONFIG)
        self.build = build
        self.prefix = os.path.join(self.root, "prefix")

    def wine_env(self):
        # No Mono or Gecko: Wine would offer to download them.
        env = dict(self.env, WINEPREFIX=self.prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                   SDL_AUDIODRIVER="dummy")
        # The Windows program has the Windows platform plugin only.
        env.pop("QT_QPA_PLATFORM", None)
        return env

    def wine(self, args, timeout=120):
        out = subprocess.run(["wine"] + args, env=self.wine_env(), capture_output=True, timeout=timeout)
        if out.returncode != 0:
            raise smoke.Failed("wine %s exited with %d: %s" % (" ".join(args), out.returncode,
                                                              out.stderr.decode(errors="replace")[-400:]))
        return out.stdout

    def unix(self, windows_path):
        out = subprocess.run(["winepath", "-u", windows_path], env=self.wine_env(), capture_output=True,
                             text=True, timeout=60)
        return out.stdout.strip()

    def prepare(self):
        began = time.monotonic()
        subprocess.run(["wineboot", "-i"], env=self.wine_env(), capture_output=True, timeout=300, check=True)
        print("  Wine prefix made in %.0f s" % (time.monotonic() - began), flush=True)
        self.appdata = self.unix(self.wine(["cmd", "/c", "echo", "%APPDATA%"]).decode().strip())
        self.installed = self.unix(INSTALL_DIR)
        self.user_dir = os.path.join(self.appdata, "Fonikra")
        self.stats = os.path.join(self.user_dir, "prgst6.stt")
        self.ini = os.path.join(self.user_dir, "data.ini")

    def launch(self, hold_window_manager=0.0, profiles=()):
        self.program_log = os.path.join(self.root, "program.log")
        with open(self.program_log, "wb") as log:
            self.started = time.monotonic()
            self.app = self.spawn(["wine", INSTALL_DIR + r"\MiniFonikra.exe"], log, env=self.wine_env())

    def stop(self):
        if os.path.isdir(self.prefix):
            subprocess.run(["wineserver", "-k"], env=self.wine_env(), capture_output=True, timeout=30)
        super().stop()


def shortcuts(d):
    programs = glob.glob(os.path.join(d.prefix, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu",
                                      "Programs", MENU_FOLDER, "*.lnk"))
    desktop = glob.glob(os.path.join(d.prefix, "drive_c", "users", "Public", "Desktop", "*.lnk"))
    return sorted(os.path.basename(p) for p in programs + desktop)


def install(d):
    d.wine([os.path.join(d.build, "MiniFonikra-setup.exe"), "/S"], timeout=300)
    for part in ("MiniFonikra.exe", "Odinstaluj.exe", "installed.txt", "Data/words.txt", "fonts/Andika-Regular.ttf",
                 "translations/qtbase_pl.qm", "licences/libqt6core6.txt"):
        if not os.path.isfile(os.path.join(d.installed, part)):
            d.fail("the installer left no %s in %s" % (part, INSTALL_DIR))
    links = shortcuts(d)
    if len(links) != 3:
        d.fail("shortcuts after installing: %s (the program and its uninstaller in the Start menu, the program on "
               "the desktop expected)" % links)


def play_and_stop(d, shots):
    os.makedirs(d.user_dir, exist_ok=True)
    with open(d.ini, "w", newline="\r\n") as f:
        f.write(d.config)
    began = time.time()
    d.launch()
    screen, ok = d.wait_for(lambda s: d.splash_fraction(s) >= 0.9, 20)
    if not ok:
        d.fail("the splash was not seen within 20 s of start; the screen shows %s" % d.describe(screen), screen)
    shots["wine-splash"] = screen
    shots["wine-menu"] = d.wait_for_menu(timeout=30)
    client, n = d.start_labelling()
    shots["wine-game"] = d.grab()
    d.key("Escape")
    shots["wine-summary"] = d.wait_for_summary(5, "Escape in the game")
    r = d.only_record()
    beside = [p for p in ("prgst6.stt", "Data/data.ini") if os.path.exists(os.path.join(d.installed, p))]
    if beside:
        d.fail("the installed program wrote %s beside itself" % ", ".join(beside))
    # Labelling, SZ everywhere, the smallest amount, stopped, begun (UTC)
    # while the test ran.
    started = time.mktime((r.year, r.month, r.day, r.hour, r.minute, r.second, 0, 0, 0)) - time.timezone
    if (r.game, r.amount, r.sounds, r.positions, r.completed) != (1, 1, 1, 1792, 0) or abs(started - began) > 300:
        d.fail("the record says %s, not a game of labelling (1) of SZ (1) everywhere (1792), amount 1, stopped, "
               "begun at the test's time" % (r,))
    d.key("Escape")
    screen, ok = d.wait_for(lambda s: d.full_screen_art(s) == "menu" and not d.summary_shown(s), 5)
    if not ok:
        d.fail("Escape on the summary did not lead back to the menu; the screen shows %s" % d.describe(screen), screen)
    # Logging off in the middle of a second game: Windows asks the program,
    # which records the game and ends.
    d.start_labelling()
    subprocess.run(["wineboot", "--end-session"], env=d.wine_env(), capture_output=True, timeout=60, check=True)
    try:
        d.app.wait(timeout=30)
    except subprocess.TimeoutExpired:
        d.fail("the program still runs 30 s after the session ended")
    if d.records() != 2:
        d.fail("after logging off during a game %s holds %d record(s), not 2" % (d.stats, d.records()))
    with open(d.stats, "rb") as f:
        return f.read()


def command_line(d, linux_build):
    exe = INSTALL_DIR + r"\MiniFonikra.exe"
    linux = os.path.join(linux_build, "MiniFonikra")
    help_windows = d.wine(["cmd", "/c", exe, "--help"]).replace(b"\r\n", b"\n")
    help_linux = subprocess.run([linux, "--help"], capture_output=True, check=True).stdout
    if help_windows != help_linux:
        d.fail("--help from the Windows command line printed %r, not the Linux build's text" % help_windows[:200])
    d.wine(["cmd", "/c", exe, "--csv", r"C:\users\Public\wyniki.csv"])
    public = os.path.join(d.prefix, "drive_c", "users", "Public")
    with open(os.path.join(public, "wyniki.csv"), "rb") as f:
        csv_windows = f.read()
    # The workbook: a whole zip whose sheet holds both games' rows.
    d.wine(["cmd", "/c", exe, "--xlsx", r"C:\users\Public\wyniki.xlsx"])
    with zipfile.ZipFile(os.path.join(public, "wyniki.xlsx")) as book:
        sheet = book.read("xl/worksheets/sheet1.xml") if book.testzip() is None else b""
    if sheet.count(b"<row ") != 3:
        d.fail("--xlsx on Windows wrote a workbook whose first sheet has %d rows, not a header and 2 games"
               % sheet.count(b"<row "))
    # The same statistics file read by the Linux build, as a copy beside it.
    copy = tempfile.mkdtemp(dir=d.root)
    shutil.copy2(linux, copy)
    os.symlink(os.path.abspath(os.path.join(linux_build, "Data")), os.path.join(copy, "Data"))
    shutil.copy2(d.stats, copy)
    subprocess.run([os.path.join(copy, "MiniFonikra"), "--csv", os.path.join(copy, "wyniki.csv")], check=True,
                   capture_output=True, env=dict(os.environ, HOME=copy))
    with open(os.path.join(copy, "wyniki.csv"), "rb") as f:
        csv_linux = f.read()
    if csv_windows != csv_linux or csv_windows.count(b"\n") != 3:
        d.fail("--csv on Windows wrote %r; the Linux build makes %r of the same file" % (csv_windows, csv_linux))


def uninstall(d, stats):
    d.wine([INSTALL_DIR + r"\Odinstaluj.exe", "/S"])
    # The uninstaller runs on from a copy of itself in the temporary folder.
    _, gone = d.wait_for(lambda s: not os.path.exists(d.installed) and not shortcuts(d), 60, interval=1)
    if not gone:
        d.fail("after uninstalling: %s remains, shortcuts %s" % (os.listdir(d.installed) if os.path.exists(
            d.installed) else "nothing", shortcuts(d)))
    if not os.path.isfile(d.stats) or open(d.stats, "rb").read() != stats:
        d.fail("uninstalling changed or removed the user's %s" % d.stats)


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    build, linux_build = sys.argv[1], sys.argv[2]
    keep = sys.argv[3] if len(sys.argv) > 3 else None
    try:
        missing = [t for t in ("wine", "wineboot", "winepath", "wineserver") if shutil.which(t) is None]
        if missing:
            raise smoke.Skipped("no %s (scripts/install-deps --windows installs Wine)" % ", ".join(missing))
        if not os.path.isfile(os.path.join(build, "MiniFonikra-setup.exe")):
            raise smoke.Skipped("no installer in %s (make windows)" % build)
        smoke.require_tools()
    except smoke.Skipped as e:
        print("SKIP windows test: %s" % e)
        return smoke.SKIP
    work = tempfile.mkdtemp(prefix="fonikra-windows-")
    shots = {}
    try:
        with WineDesktop(work, build) as d:
            d.prepare()

            def step(name, action):
                began = time.monotonic()
                result = action()
                print("PASS %s (%.0f s)" % (name, time.monotonic() - began), flush=True)
                return result

            step("install", lambda: install(d))
            stats = step("play", lambda: play_and_stop(d, shots))
            step("command line", lambda: command_line(d, linux_build))
            step("uninstall", lambda: uninstall(d, stats))
    except smoke.Failed as e:
        print("FAIL: %s\nscreenshots and logs: %s" % (e, work))
        return 1
    if keep:
        os.makedirs(keep, exist_ok=True)
        for name, screen in shots.items():
            subprocess.run(["convert", "ppm:-", "png:" + os.path.join(keep, name + ".png")], input=screen.ppm(),
                           check=True)
    shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
