#!/usr/bin/env python3
"""The README's screenshots, taken from the real orvane.exe of a Windows build under Wine
and Xvfb, talking to orvane-server on the address the build was made with:

  main-en.png      the main window under an English user locale
  main-ko.png      the same under a Korean user locale
  main-status.png  with the update status bar that a "notify" link in the reply adds
  main-100.png, main-150.png, main-100-contrast.png, main-150-contrast.png
                   the main window at 100 % and 150 % (LogPixels 96 and 144), in the
                   normal scheme and in a black high-contrast scheme set in the prefix
                   (the system's colours and the HighContrast setting)

usage: scripts/readme-screenshots.py [BUILD] [--server ORVANE_SERVER] [--out FOLDER]

BUILD (default build/windows) must hold orvane.exe, the end-to-end probe and the compiled
locales (a full build of the windows preset); ORVANE_SERVER defaults to the build's
ORVANE_SERVER_EXE setting. The pictures go to resources/screenshots unless --out says
otherwise. Nothing is built here.
"""

import argparse
import json
import shutil
import subprocess
import sys
import time
import urllib.parse
from pathlib import Path

sys.dont_write_bytecode = True
ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
from desktop import (HANG_SECONDS, Desktop, StandInServer, port_is_free,  # noqa: E402
                     taken_port_message)
from e2e_prefix import Prefix  # noqa: E402
from orvane_e2e import CONTRAST_COLORS, CONTRAST_SETTINGS  # noqa: E402

RUN = r"Software\Microsoft\Windows\CurrentVersion\Run"
APPS = r"C:\Program Files\Tools"


def cache_value(build, name):
    for line in (build / "CMakeCache.txt").read_text().splitlines():
        if line.startswith(f"{name}:"):
            return line.split("=", 1)[1]
    return None


def prepare(prefix):
    startup = prefix.probe("folders")["folders"]["startup"]
    values = [
        ("HKCU", RUN, "OneDrive", "sz", f'"{APPS}\\OneDrive.exe" /background'),
        ("HKCU", RUN, "메모 동기화", "sz", f"{APPS}\\memo.exe"),
        ("HKLM", RUN, "SecurityHealth", "expand", f"{APPS}\\health.exe"),
    ]
    files = {f"{APPS}\\{name}": b"MZ" for name in ("OneDrive.exe", "memo.exe", "health.exe")}
    files[f"{startup}\\Notes.cmd"] = b"@echo off\r\n"
    prefix.prepare_fresh(values, files, [], [], [])


def scheme(prefix, dpi, contrast):
    """Sets the prefix's dpi, and the high-contrast scheme when asked (it stays: the
    contrast pictures come last)."""
    values = [("HKCU", r"Control Panel\Desktop", "LogPixels", "dword", dpi)]
    if contrast:
        values += [("HKCU", r"Control Panel\Colors", name, "sz", value)
                   for name, value in CONTRAST_COLORS.items()]
        values += [("HKCU", key, name, "sz", value) for key, name, value in CONTRAST_SETTINGS]
    prefix.prepare(values, {}, [], [], [])


def shoot(prefix, server_exe, port, work, reply, environment, target):
    """Starts orvane.exe with the reply, waits for its list, and keeps the window only."""
    with StandInServer(server_exe, work, port, reply), Desktop(prefix, environment) as desktop:
        program = desktop.start(prefix.orvane)
        rows = desktop.probe("wait", "rows", HANG_SECONDS * 1000)["wait:rows"]
        if rows is None:
            raise RuntimeError(f"orvane.exe's list did not fill for {target.name}")
        # The list has settled and every control has painted once the rows stay put.
        for _ in range(20):
            again = desktop.probe("sleep", 1500, "rows")["rows"]
            if again == rows:
                break
            rows = again
        main = desktop.probe("wait", "main", 1000)["wait:main"]["window"]
        screen = work / f"{target.stem}-screen.png"
        desktop.screenshot(screen)
        left, top, right, bottom = main["rect"]
        subprocess.run(["convert", str(screen), "-crop",
                        f"{right - left}x{bottom - top}+{left}+{top}", "+repage", str(target)],
                       check=True)
        desktop.probe("close", main["hwnd"])
        program.wait(HANG_SECONDS)
        print(f"screenshot: {target} ({len(rows)} rows)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("build", nargs="?", type=Path, default=ROOT / "build" / "windows")
    parser.add_argument("--server", type=Path)
    parser.add_argument("--out", type=Path, default=ROOT / "resources" / "screenshots")
    options = parser.parse_args()
    build = options.build.resolve()
    orvane = build / "orvane.exe"
    probe = build / "tests" / "e2e" / "orvane_e2e_probe.exe"
    locales = build / "locales"
    server = options.server or Path(cache_value(build, "ORVANE_SERVER_EXE") or "")
    for needed in (orvane, probe, locales / "ko_KR.UTF-8", server):
        if not needed.exists():
            sys.exit(f"readme-screenshots: {needed} is missing; build the windows preset "
                     f"(and orvane-server in the native one) first")
    address = urllib.parse.urlsplit(cache_value(build, "ORVANE_INIT_URL") or "")
    if address.scheme != "http" or address.hostname != "127.0.0.1":
        sys.exit("readme-screenshots: the build talks to another server than "
                 "http://127.0.0.1:PORT, which orvane-server cannot play")
    port = address.port or 80
    if not port_is_free(port):
        sys.exit(f"readme-screenshots: {taken_port_message(port)}")

    prefix = Prefix(ROOT / "scripts", build / "wine", "win10", probe, "readme-screenshots")
    prefix.orvane = orvane
    prefix.create()
    options.out.mkdir(parents=True, exist_ok=True)
    english = {"LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8", "LOCPATH": str(locales)}
    korean = {"LANG": "ko_KR.UTF-8", "LC_ALL": "ko_KR.UTF-8", "LOCPATH": str(locales)}
    if not (locales / "en_US.UTF-8").exists():
        # The C locale with UTF-8 text is English to Wine too.
        english = {"LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
    plain = json.dumps({"file_white": [], "name_white": []})
    # The reply step finds a link only as "notify":" with nothing between the quotes.
    notify = json.dumps({"notify": f"http://127.0.0.1:{port}/news"}, separators=(",", ":"))
    try:
        prepare(prefix)
        shoot(prefix, server, port, prefix.work, plain, english, options.out / "main-en.png")
        shoot(prefix, server, port, prefix.work, plain, korean, options.out / "main-ko.png")
        shoot(prefix, server, port, prefix.work, notify, english, options.out / "main-status.png")
        for contrast in (False, True):
            for dpi, percent in ((96, 100), (144, 150)):
                scheme(prefix, dpi, contrast)
                suffix = "-contrast" if contrast else ""
                shoot(prefix, server, port, prefix.work, notify, english,
                      options.out / f"main-{percent}{suffix}.png")
    finally:
        prefix.remove_work()
        time.sleep(0.5)
        prefix.remove()
        shutil.rmtree(Path(f"{prefix.path}.home"), ignore_errors=True)


if __name__ == "__main__":
    main()
