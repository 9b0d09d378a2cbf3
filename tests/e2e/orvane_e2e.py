#!/usr/bin/env python3
"""orvane.exe end to end: the real program on a prepared Windows 10 Wine prefix, talking to
orvane-server on the address it was built with, its windows read and driven by the probe.

The prefix holds a few entries the server's rows decide about: a Run value FooBar (hidden
by a "name_white" row Foo, a name prefix), a startup file Discord.exe (hidden by a
"file_white" row Discord.exe*) and two entries nothing hides, Keeper and Helper. Each case
starts from the prefix as it was prepared (what an earlier case changed is put back
first), starts the program with one reply and looks at what the window shows. Nothing
waits on a delay being long enough: the server holds a reply until the case lets it go,
and the probe waits until the window shows what is looked for, within a bound.

  held      the window answers and the list stays empty while the server holds the
            reply; once it is let go the list fills with the rows merged; a second start
            exits at once; F5 reads the system again; a double click opens the lookup page
            (one percent-encoded address, also for a name with quotes and blanks), the
            logo the program page
  other     replies that are a JSON array, a JSON string or HTML merge nothing
  no        an offered update declined with the notice's hold box ticked: the hold request
            reaches the server, nothing opens, the list fills
  yes       an offered update with a "note" notice: the note's link opens, the dialog
            stays; Yes opens the update and the program ends without filling the list
  notify    the status bar at the bottom, the list keeping the size it had while the reply
            was held; a click opens the link
  close     closing the window while the program pauses between attempts (the server
            hangs up on each) ends the program
  closehang closing the window while the start-up request waits for a server that never
            answers ends the program at once (bound: CLOSE_BOUND), exit code 0
  closehold closing the window while a hold request waits for a server that never
            answers ends the program at once (bound: CLOSE_BOUND), exit code 0
  korean    under a Korean user locale: the request's language, the dialog's and the
            window's texts
  huge      a reply of a million rows in a white list: the list fills all the same (the
            rows past the first 100,000 of an array count for nothing); prints the time
  selection the selection belongs to an entry: a letter selects the first row that begins
            with it; a right click selects its row and the button then switches that entry;
            a row removed above the selection by F5 leaves the same entry selected and
            focused, and the selected entry's own removal leaves nothing selected
  offline   (on its own, it takes a minute) nothing listens: the list comes only after
            every attempt and its pause, filtered by the built-in lists alone

usage: orvane_e2e.py --orvane EXE --probe EXE --server EXE --scripts DIR --prefix-root DIR
                     --init-url URL --lookup-url URL --link-url URL [--cases NAME,...]
"""

import argparse
import json
import shutil
import sys
import time
import urllib.parse
from pathlib import Path

# The helper modules are imported from the source tree, which must stay free of bytecode.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))
from desktop import (HANG_SECONDS, Browser, Desktop, HangingUpServer, StandInServer,  # noqa: E402
                     port_is_free, taken_port_message)
from e2e_prefix import Prefix  # noqa: E402
from orvanec_e2e import Checks  # noqa: E402

RUN = r"Software\Microsoft\Windows\CurrentVersion\Run"
# A black high-contrast scheme as the prefix holds it: the system's colour pairs (RGB as
# "R G B" text) and the accessibility setting that says the scheme is on.
CONTRAST_COLORS = {"Window": "0 0 0", "WindowText": "255 255 255", "Hilight": "26 235 255",
                   "HilightText": "0 0 0", "ButtonFace": "0 0 0", "ButtonText": "255 255 255",
                   "GrayText": "63 242 63", "Background": "0 0 0", "Menu": "0 0 0",
                   "MenuText": "255 255 255", "HotTrackingColor": "255 255 0",
                   "WindowFrame": "255 255 255", "ButtonHilight": "255 255 255",
                   "ButtonShadow": "128 128 128", "ButtonDkShadow": "255 255 255",
                   "ButtonLight": "255 255 255", "InfoWindow": "0 0 0", "InfoText": "255 255 255"}
CONTRAST_SETTINGS = [(r"Control Panel\Accessibility\HighContrast", "Flags", "127"),
                     (r"Control Panel\Accessibility\HighContrast", "High Contrast Scheme",
                      "High Contrast Black")]
APPS = r"C:\e2e\apps"
APPROVED_RUN = r"Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
VK_F5 = 116
VK_ESCAPE = 27
VK_RETURN = 13
VK_TAB = 9
VK_SPACE = 32
VK_DOWN = 40
VK_F5 = 116
# Active Accessibility's state bits.
STATE_SYSTEM_UNAVAILABLE = 0x1
STATE_SYSTEM_SELECTED = 0x2

# The rows the entries below give, as (column 0, column 1): their files carry no version
# data, so a Run value shows its name and a startup file its name without extension.
FOOBAR = ("FooBar", "HKCU")
KEEPER = ("Keeper", "HKCU")
DISCORD = ("Discord", "FILE")
HELPER = ("Helper", "FILE")
FRESH = ("Fresh", "HKCU")
# A name anyone may give a Run value: quotes and blanks that would take the browser's
# command line apart if the lookup address carried them as they are.
SWITCHY_NAME = 'x" --some-switch "y'
SWITCHY = (SWITCHY_NAME, "HKCU")
# Run values the selection case adds, each with its own program so that each is an entry
# of its own (an entry's key is where it comes from and what it starts).
SELECTION_VALUES = ["Able", "Baker", "Cedar"]
# Every entry a case prepares or adds. A case that finds one it did not ask for reads
# what an earlier case left.
ALL_OURS = [FOOBAR, KEEPER, DISCORD, HELPER, FRESH] + [(n, "HKCU") for n in SELECTION_VALUES]

MERGING_ROWS = {"file_white": ["Discord.exe*"], "name_white": ["Foo"],
                # The black list is carried but never consulted: Keeper stays.
                "name_black": ["Keeper"]}

# The update dialog's English texts.
UPDATE_MESSAGE = "This program has been updated."
YES, NO = "Yes", "No"


class Orvane:
    """One run of the program: the desktop it runs on, the server and the browser it uses."""

    def __init__(self, checks, desktop, browser, options):
        self.checks = checks
        self.desktop = desktop
        self.browser = browser
        self.options = options
        self.program = None
        self.main = None
        self.started_at = None

    def start(self):
        self.browser.clear()
        self.started_at = time.monotonic()
        self.program = self.desktop.start(self.options.orvane)
        main = self.desktop.probe("wait", "main", HANG_SECONDS * 1000)["wait:main"]
        if not self.checks.expect(main is not None, "the main window appears"):
            raise Abort
        self.main = main
        self.checks.equal(main["window"]["text"], "Orvane", "the main window's caption")
        return main

    @property
    def hwnd(self):
        return self.main["window"]["hwnd"]

    def child(self, tree, cls, text=None):
        for child in tree["children"]:
            if child["class"] == cls and (text is None or child["text"].replace("&", "") == text):
                return child
        return None

    def list_hwnd(self):
        return self.child(self.main, "SysListView32")["hwnd"]

    def rows(self):
        rows = self.desktop.probe("rows")["rows"]
        return rows if rows is None else [tuple(row) for row in rows]

    def wait_rows(self, test="differ", given=(), what="the list fills"):
        """The rows once they pass the probe's test against the given rows ("has": all of
        them listed, "lacks": a filled list without them, "differ": a filled list other
        than them; by default any filled list). The list is filled in one go, so the
        first filled list is the whole one. A failed check and Abort when the bound
        passes first."""
        cells = [cell for row in given for cell in row]
        rows = self.desktop.probe("wait-rows", test, len(given), *cells,
                                  HANG_SECONDS * 1000)[f"wait-rows:{test}"]
        if not self.checks.expect(rows is not None, f"{what}: {self.rows()}"):
            raise Abort
        return [tuple(row) for row in rows]

    def selected(self):
        state = self.desktop.probe("selected")["selected"]
        return state["selected"], state["focused"]

    def wait_selected(self, row):
        """(selected, focused) once both are row, or as they are when the bound passes."""
        state = self.desktop.probe("wait-selected", row, HANG_SECONDS * 1000)["wait-selected"]
        return (state["selected"], state["focused"]) if state else self.selected()

    def tree(self, hwnd=None):
        hwnd = hwnd or self.hwnd
        return self.desktop.probe("tree", hwnd)[f"tree:{hwnd}"]

    def close(self, what="closing the window"):
        """WM_CLOSE, then the process must end with exit code 0."""
        self.desktop.probe("close", self.hwnd)
        self.checks.equal(self.program.wait(HANG_SECONDS), 0, f"exit code after {what}")

    def ended(self, what):
        self.checks.equal(self.program.wait(HANG_SECONDS), 0, f"exit code after {what}")


class Abort(Exception):
    """A case cannot go on (its window never came); the failure is already recorded."""


def shown(checks, rows, wanted, what):
    """Our entries: the wanted ones each have one row, every other one of ours none."""
    for row in ALL_OURS:
        checks.equal(rows.count(row), 1 if row in wanted else 0, f"{what}: rows of {row}")


def init_requests(server):
    return [r for r in server.requests()
            if not any(name.lower() == "user-command" for name, _ in r["headers"])]


# --- the cases ------------------------------------------------------------------------


def case_held(checks, run, options, work):
    """The first filling comes after the reply; the reply's rows are merged before it."""
    reply = json.dumps(MERGING_ROWS)
    with StandInServer(options.server, work, options.port, reply, hold=True) as server:
        run.start()
        checks.equal(server.wait_until_held(1), 1, "the server holds the start-up reply")
        requests = server.requests()
        if checks.equal(len(requests), 1, "start-up requests received"):
            request = requests[0]
            checks.equal((request["method"], request["path"]), ("GET", "/api.init.php"),
                         "the start-up request")
            names = [name for name, _ in request["headers"]]
            wanted = ["User-Version", "User-Language", "User-Debug", "User-Union"]
            checks.equal([n for n in names if n in wanted], wanted,
                         "the start-up request's own headers, in order")
            checks.equal(dict(request["headers"]).get("User-Language"), "en",
                         "the language under an English user locale")
        # The request runs beside the window: while it waits the window answers (the
        # probe's caption request times out on a hung one) and the list is empty.
        checks.equal(run.tree()["window"]["text"], "Orvane",
                     "the window answers while the server holds the reply")
        checks.equal(run.rows(), [], "the list while the server holds the reply")
        checks.equal(server.release(), 1, "replies the server let go")
        shown(checks, run.wait_rows(), [KEEPER, HELPER], "after the reply")

        checks.section("held: a second start while the first runs")
        second = run.desktop.start(options.orvane)
        checks.equal(second.wait(HANG_SECONDS), 0, "the second start's exit code")
        forms = [w for w in run.desktop.probe("windows")["windows"] if w["class"] == "OrvaneForm"]
        checks.equal([w["hwnd"] for w in forms], [run.hwnd],
                     "the only window is the first start's")
        checks.equal(len(init_requests(server)), 1,
                     "the second start sent no request of its own")
        checks.expect(run.program.running(), "the first start still runs")

        checks.section("held: F5 reads the system again, through the same filters")
        run.desktop.probe("set", f"HKCU\\{RUN}", "Fresh", f"{APPS}\\Fresh.exe",
                          "keypress", run.list_hwnd(), VK_F5)
        rows = run.wait_rows("has", [FRESH], "F5 lists the new Run value")
        shown(checks, rows, [KEEPER, HELPER, FRESH], "after F5")

        checks.section("held: the double click and the logo open their pages")
        if KEEPER in rows:
            run.desktop.probe("dblclick-row", rows.index(KEEPER))
            checks.equal(run.browser.wait_for(1), [f"{options.lookup_url}/entry/hkcu/keeper"],
                         "a double click on Keeper opens its lookup page")
        if HELPER in rows:
            run.browser.clear()
            run.desktop.probe("dblclick-row", rows.index(HELPER))
            checks.equal(run.browser.wait_for(1), [f"{options.lookup_url}/entry/file/helper.cmd"],
                         "a double click on Helper opens its lookup page")
        if checks.expect(SWITCHY in rows, f"a row for the Run value {SWITCHY_NAME!r}"):
            run.browser.clear()
            run.desktop.probe("dblclick-row", rows.index(SWITCHY))
            checks.equal(run.browser.wait_for(1),
                         [f"{options.lookup_url}/entry/hkcu/x%22%20--some-switch%20%22y"],
                         "its lookup page is one percent-encoded address")
        run.browser.clear()
        client_width = run.main["window"]["client"][2]
        # The logo, 112 x 50, sits 3 pixels into the 120 pixels at the header's right end.
        run.desktop.probe("click-at", run.hwnd, client_width - 120 + 3 + 56, 25)
        checks.equal(run.browser.wait_for(1), [f"{options.link_url}/orvane"],
                     "a click on the logo opens the program page")
        run.close()


def case_other(checks, run, options, work):
    """Replies that are not a JSON object merge nothing, even when they hold the rows."""
    embedded = json.dumps(MERGING_ROWS)
    replies = {
        "a JSON array": json.dumps(["Foo", "Discord.exe*", MERGING_ROWS]),
        "a JSON string": json.dumps(embedded),
        "HTML": f"<html><body><pre>{embedded}</pre></body></html>\n",
    }
    seen = {}
    for what, reply in replies.items():
        checks.section(f"other: {what}")
        with StandInServer(options.server, work, options.port, reply):
            run.start()
            seen[what] = run.wait_rows()
            # A figure, never a check: how long a start takes until the list is filled when
            # the server answers at once (the probe looks every 50 ms).
            print(f"   figure: from the start of orvane.exe to the first filled list "
                  f"{time.monotonic() - run.started_at:.2f} s ({what})", flush=True)
            shown(checks, seen[what], [FOOBAR, KEEPER, DISCORD, HELPER], what)
            run.close()
    first, *rest = seen.values()
    for what in list(seen)[1:]:
        checks.equal(seen[what], first, f"the rows after {what} and after a JSON array")


def dialog_of(checks, run):
    dialog = run.desktop.probe("wait", "dialog", HANG_SECONDS * 1000)["wait:dialog"]
    if not checks.expect(dialog is not None, "the update dialog appears"):
        raise Abort
    window = dialog["window"]
    checks.equal(window["text"], "Orvane", "the update dialog's title")
    checks.equal(window["owner"], run.hwnd, "the dialog belongs to the main window")
    yes = run.child(dialog, "Button", YES)
    no = run.child(dialog, "Button", NO)
    checks.expect(yes is not None and yes["visible"] and no is not None and no["visible"],
                  f"the buttons Yes and No: {[c['text'] for c in dialog['children']]}")
    texts = " ".join(c["text"] for c in dialog["children"])
    checks.expect(UPDATE_MESSAGE in texts, f"the update message is shown: {texts!r}")
    checks.equal(run.rows(), [], "the list while the update dialog is open")
    if yes is None or no is None:
        raise Abort
    return dialog, yes, no


def case_no(checks, run, options, work):
    """An update declined with the hold box ticked: the hold request goes, nothing opens."""
    reply = json.dumps({"update": f"{options.init_url}/download/orvane-setup.exe",
                        "info": {"style": "hold", "text": "Remind me in a week"},
                        **MERGING_ROWS}, separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply) as server:
        run.start()
        dialog, _, no = dialog_of(checks, run)
        hold = run.child(dialog, "Button", "Remind me in a week")
        if checks.expect(hold is not None and hold["visible"] and hold["checked"] == 0,
                         f"the hold box, not ticked: {hold}"):
            run.desktop.probe("click", hold["hwnd"])
            ticked = run.tree(dialog["window"]["hwnd"])
            checks.equal(run.child(ticked, "Button", "Remind me in a week")["checked"], 1,
                         "the hold box after a click")
        run.desktop.probe("click", no["hwnd"])
        checks.equal(run.desktop.probe("wait", "nodialog", HANG_SECONDS * 1000)["wait:nodialog"],
                     True, "No closes the dialog and keeps the main window")
        requests = server.wait_for_request(2)
        holds = [r for r in requests if ["User-Command", "hold"] in r["headers"]]
        if checks.equal(len(holds), 1, f"hold requests in the server's log: {requests}"):
            names = [name for name, _ in holds[0]["headers"]]
            checks.expect(holds[0]["path"] == "/api.init.php" and "User-Version" in names,
                          f"the hold request: {holds[0]}")
        shown(checks, run.wait_rows(), [KEEPER, HELPER],
              "after the update was declined (the rows merged)")
        checks.equal(run.browser.opened(), [], "declining opens nothing")
        run.close()


def case_yes(checks, run, options, work):
    """An update accepted: the link opens and the program ends without filling the list."""
    update = f"{options.init_url}/download/orvane-setup.exe?from=e2e"
    note = f"{options.init_url}/notes/whats-new"
    reply = json.dumps({"update": update,
                        "info": {"style": "note", "text": "What is new", "url": note},
                        **MERGING_ROWS}, separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply):
        run.start()
        dialog, yes, _ = dialog_of(checks, run)
        label = run.child(dialog, "Static", "What is new")
        if checks.expect(label is not None and label["visible"], "the note's link caption"):
            run.desktop.probe("click", label["hwnd"])
            checks.equal(run.browser.wait_for(1), [note], "a click on the note opens its link")
            checks.expect(run.desktop.probe("wait", "dialog", 0)["wait:dialog"] is not None,
                          "the dialog stays open after the note's link")
        run.browser.clear()
        checks.equal(run.rows(), [], "the list just before Yes")
        run.desktop.probe("click", yes["hwnd"])
        run.ended("Yes")
        checks.equal(run.browser.wait_for(1), [update], "Yes opens the update link")


def case_notify(checks, run, options, work):
    """A "notify" link: a status bar under the list, which keeps the size it had before."""
    link = f"{options.init_url}/news?id=7"
    reply = json.dumps({"notify": link}, separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply, hold=True) as server:
        run.start()
        # Before the reply there is no status bar: the sizes to compare with.
        checks.equal(server.wait_until_held(1), 1, "the server holds the start-up reply")
        before = run.tree()
        bar_before = run.child(before, "msctls_statusbar32")
        checks.expect(bar_before is None or not bar_before["visible"],
                      f"no status bar before the reply: {bar_before}")
        list_before = run.child(before, "SysListView32")["rect"]
        client_before = before["window"]["client"]
        checks.equal(server.release(), 1, "replies the server let go")
        rows = run.wait_rows()
        shown(checks, rows, [FOOBAR, KEEPER, DISCORD, HELPER], "with a status link")
        tree = run.tree()
        bar = run.child(tree, "msctls_statusbar32")
        if checks.expect(bar is not None and bar["visible"], "the status bar is there"):
            left, top, right, bottom = bar["rect"]
            checks.equal(bottom - top, 28, "the status bar's height")
            listed = run.child(tree, "SysListView32")["rect"]
            checks.expect(top >= listed[3], f"the bar {bar['rect']} is below the list {listed}")
            checks.equal(listed[3] - listed[1], list_before[3] - list_before[1],
                         "the list's height with and without the status bar")
            checks.equal(tree["window"]["client"][3] - client_before[3], 28,
                         "the client area is 28 pixels taller with the status bar")
            run.desktop.probe("click", bar["hwnd"])
            checks.equal(run.browser.wait_for(1), [link],
                         "a click on the status bar opens the link")
        run.close()


def case_close(checks, run, options, work):
    """Closing while the program pauses between attempts ends it at once."""
    with HangingUpServer(options.port) as server:
        run.start()
        # The first attempt has failed once the server has hung up on it: the program is
        # in its ten-second pause before the next one.
        checks.expect(server.wait_for(1) >= 1, "the program's first attempt reaches the port")
        checks.equal(run.rows(), [], "the list during the retries")
        attempts = server.count()
        closed = time.monotonic()
        run.desktop.probe("close", run.hwnd)
        # A generous bound that catches a program waiting out its retries (a minute), not
        # a measure of speed.
        code = run.program.wait(30)
        checks.equal(code, 0, "exit code after closing during the retries")
        print(f"   ended {time.monotonic() - closed:.1f} s after WM_CLOSE, "
              f"{attempts} attempt(s) before it and {server.count() - attempts} after",
              flush=True)


# The program's end aborts what is still running: closing never waits on a server, and
# a request that has not let go when the process ends is no fault (no error box, exit
# code 0). A user is promised 2 s; the bound here is 4 s, because on a loaded build
# machine Wine's own process teardown takes over a second. It still catches the program
# waiting for a request (5 s for the update task, the hold requests' grace in full).
CLOSE_BOUND = 4.0


def closed_within_bound(checks, run, what):
    closed = time.monotonic()
    run.desktop.probe("close", run.hwnd)
    code = run.program.wait(30)
    took = time.monotonic() - closed
    checks.equal(code, 0, f"exit code after closing while {what}")
    checks.expect(took <= CLOSE_BOUND, f"the program ended {took:.2f} s after WM_CLOSE while {what}")


def case_closehang(checks, run, options, work):
    """Closing while the start-up request waits on a server that never answers."""
    with StandInServer(options.server, work, options.port, "{}", hold=True) as server:
        run.start()
        checks.equal(server.wait_until_held(1), 1, "the server holds the start-up reply")
        closed_within_bound(checks, run, "the start-up request hangs")


def case_closehold(checks, run, options, work):
    """Closing while the hold request waits on a server that never answers."""
    reply = json.dumps({"update": f"{options.init_url}/download/orvane-setup.exe",
                        "info": {"style": "hold", "text": "Remind me in a week"}},
                       separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply, "--hang-holds") as server:
        run.start()
        dialog, _, no = dialog_of(checks, run)
        hold = run.child(dialog, "Button", "Remind me in a week")
        if not checks.expect(hold is not None, "the hold box"):
            raise Abort
        run.desktop.probe("click", hold["hwnd"])
        run.desktop.probe("click", no["hwnd"])
        requests = server.wait_for_request(2)
        checks.equal(len([r for r in requests if ["User-Command", "hold"] in r["headers"]]), 1,
                     "the hold request reached the server, which never answers it")
        run.wait_rows()
        closed_within_bound(checks, run, "the hold request hangs")


def case_offline(checks, run, options, work):
    """Nothing listens: six attempts with ten-second pauses, then the built-in lists."""
    if not checks.expect(port_is_free(options.port), taken_port_message(options.port)):
        return
    run.start()
    started = run.program.started
    # The waiting is what is under test here: with nothing listening there is no event
    # to wait on, only the pauses themselves. Four pauses of ten seconds cannot have
    # passed before 45 s after the start (a monotonic clock), however slow the machine,
    # so the list must still be empty then.
    run.desktop.probe("sleep", max(0, int((started + 45 - time.monotonic()) * 1000)))
    checks.equal(run.rows(), [], "the list 45 s after the start, during the retries")
    rows = run.desktop.probe("wait", "rows", 120 * 1000)["wait:rows"]
    print(f"   the list filled {time.monotonic() - started:.0f} s after the start", flush=True)
    if checks.expect(rows is not None, "the list fills after the last attempt"):
        shown(checks, [tuple(row) for row in rows], [FOOBAR, KEEPER, DISCORD, HELPER],
              "the built-in lists alone")
    run.close()


def case_korean(checks, run, options, work):
    """Under a Korean user locale the request names the language and the dialog speaks it."""
    reply = json.dumps({"update": f"{options.init_url}/download/orvane-setup.exe"},
                       separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply) as server:
        run.start()
        dialog = run.desktop.probe("wait", "dialog", HANG_SECONDS * 1000)["wait:dialog"]
        requests = init_requests(server)
        if checks.equal(len(requests), 1, "start-up requests received"):
            checks.equal(dict(requests[0]["headers"]).get("User-Language"), "ko",
                         "the language under a Korean user locale")
        if not checks.expect(dialog is not None, "the update dialog appears"):
            raise Abort
        buttons = sorted(c["text"] for c in dialog["children"]
                         if c["class"] == "Button" and c["visible"])
        checks.equal(buttons, ["아니오", "예"], "the dialog's buttons in Korean")
        texts = " ".join(c["text"] for c in dialog["children"])
        checks.expect("업데이트 정보가 있습니다." in texts, f"the message in Korean: {texts!r}")
        run.desktop.probe("click", run.child(dialog, "Button", "아니오")["hwnd"])
        run.wait_rows()
        tree = run.tree()
        checks.equal(tree["window"]["text"], "Orvane", "the caption in Korean")
        checks.expect(run.child(tree, "Button", "전체목록") is not None,
                      f"the check box in Korean: {[c['text'] for c in tree['children']]}")
        run.close()


def case_huge(checks, run, options, work):
    """A reply of a million rows in a white list (under the 16 MiB a reply may have): the
    list still fills, filtered as before, and the time from the request to the filled
    list is printed."""
    rows = [f"~{i}" for i in range(1_000_000)]
    reply = json.dumps({"name_white": rows + ["Foo"], "file_white": ["Discord.exe*"]},
                       separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply) as server:
        run.start()
        server.wait_for_request()
        asked = time.monotonic()
        filled = run.desktop.probe("wait", "rows", HANG_SECONDS * 1000)["wait:rows"]
        took = time.monotonic() - asked
        print(f"   {len(reply) / 2**20:.1f} MiB reply of {len(rows) + 1} rows: the list filled "
              f"{took:.1f} s after the request reached the server", flush=True)
        checks.equal(len(init_requests(server)), 1, "one start-up request: the reply was taken")
        if checks.expect(filled is not None, "the list fills after a reply of a million rows"):
            # Only the first 100,000 rows of an array count: Foo comes after them and
            # hides nothing, while Discord.exe* in the short array does.
            shown(checks, [tuple(row) for row in filled], [FOOBAR, KEEPER, HELPER],
                  "after a reply of a million rows")
        run.close()


def case_selection(checks, run, options, work):
    """Selection, type-ahead, right click and refresh through the list's own messages."""
    for name in SELECTION_VALUES:
        run.desktop.probe("set", f"HKCU\\{RUN}", name, f"{APPS}\\{name}.exe")
    with StandInServer(options.server, work, options.port, "{}"):
        run.start()
        rows = run.wait_rows()
        entries = [(name, "HKCU") for name in SELECTION_VALUES]
        shown(checks, rows, entries + [FOOBAR, KEEPER, DISCORD, HELPER], "with the added values")
        if not all(entry in rows for entry in entries + [KEEPER]):
            raise Abort
        list_hwnd = run.list_hwnd()

        def refreshed(gone):
            """F5, then the rows once the list is filled again without the removed entry."""
            run.desktop.probe("keypress", list_hwnd, VK_F5)
            return run.wait_rows("lacks", [gone], f"F5 removes the row of {gone}")

        checks.section("selection: a typed letter selects the first row that begins with it")
        keeper = rows.index(KEEPER)
        checks.expect(keeper > 0 and not any(r[0].lower().startswith("k") for r in rows[:keeper]),
                      f"Keeper is the first row with a K and not row 0: {rows}")
        run.desktop.probe("char", list_hwnd, ord("k"))
        checks.equal(run.wait_selected(keeper), (keeper, keeper),
                     "selected and focused rows after typing k")

        checks.section("selection: a right click selects its row; the button switches it")
        able = rows.index(entries[0])
        run.desktop.probe("rclick-row", able)
        menu = run.desktop.probe("wait", "dialog", HANG_SECONDS * 1000)["wait:dialog"]
        if checks.expect(menu is not None, "the right click opens the menu"):
            run.desktop.probe("keypress", menu["window"]["hwnd"], VK_ESCAPE)
            checks.equal(run.desktop.probe("wait", "nodialog", HANG_SECONDS * 1000)
                         ["wait:nodialog"], True, "Escape closes the menu")
        checks.equal(run.selected(), (able, able), "selected and focused rows after the right click")
        tree = run.tree()
        button = next((c for c in tree["children"] if c["text"] == "Disable"), None)
        if not checks.expect(button is not None, "the switch button says Disable: "
                             f"{[(c['class'], c['text']) for c in tree['children']]}"):
            raise Abort
        run.desktop.probe("click", button["hwnd"])
        # The record is written first; the list is read again after it, and the button,
        # last, names the selected entry's new state.
        approved = run.desktop.probe("wait-value", f"HKCU\\{APPROVED_RUN}", "Able", "-",
                                     HANG_SECONDS * 1000)[f"wait-value:HKCU\\{APPROVED_RUN}\\Able"]
        records = {value["name"]: value["hex"] for value in approved or []}
        checks.expect(records.get("Able", "").startswith("03"),
                      f"Able, the right-clicked entry, is disabled: {records}")
        checks.expect("Keeper" not in records or records["Keeper"].startswith("02"),
                      f"Keeper, selected before the right click, is not: {records}")
        checks.equal(run.desktop.probe("wait-text", button["hwnd"], "Enable",
                                       HANG_SECONDS * 1000)["wait-text"], True,
                     "the button says Enable once the list is read again")
        rows = run.rows()
        checks.equal(run.selected(), (rows.index(entries[0]),) * 2,
                     "the switched entry stays selected after its refresh")

        # F5 reads every entry anew, and a disabled one comes back only with the check box
        # ticked: Able's row goes with Baker's, both above Cedar.
        checks.section("selection: F5 without the rows above keeps the selected entry")
        cedar, baker = entries[2], entries[1]
        checks.expect(rows.index(entries[0]) < rows.index(baker) < rows.index(cedar),
                      f"Able and Baker are above Cedar: {rows}")
        run.desktop.probe("click-row", rows.index(cedar))
        checks.equal(run.wait_selected(rows.index(cedar)), (rows.index(cedar),) * 2,
                     "Cedar selected by a click")
        run.desktop.probe("delete", f"HKCU\\{RUN}", "Baker")
        rows = refreshed(baker)
        checks.equal(rows.count(entries[0]), 0, "Able, disabled, has no row after F5")
        if checks.expect(cedar in rows, f"Cedar's row after F5: {rows}"):
            checks.equal(run.selected(), (rows.index(cedar),) * 2,
                         "Cedar is still the selected and focused row")

        checks.section("selection: F5 without the selected entry leaves nothing selected")
        run.desktop.probe("delete", f"HKCU\\{RUN}", "Cedar")
        refreshed(cedar)
        checks.equal(run.selected(), (-1, -1), "no row is selected or focused once Cedar is gone")
        run.close()


def case_keyboard(checks, run, options, work):
    """The keyboard alone from the start: the list has the focus, the arrows move the
    selection, Enter looks the row up, Tab reaches the check box and the button, Space
    switches; the focus comes back after another window was in front."""
    with StandInServer(options.server, work, options.port, "{}"):
        run.start()
        rows = run.wait_rows()
        list_hwnd = run.list_hwnd()
        tree = run.tree()
        check = run.child(tree, "Button", "All Programs")
        button = next((c for c in tree["children"] if c["text"] == "Disable"), None)
        if not checks.expect(check is not None and button is not None,
                             f"the check box and the button: {[(c['class'], c['text']) for c in tree['children']]}"):
            raise Abort
        focus = lambda: run.desktop.probe("focus")["focus"]
        checks.equal(focus(), list_hwnd, "the list has the focus when the window opens")

        checks.section("keyboard: the arrows, then Enter on a row")
        run.desktop.probe("keypress", list_hwnd, VK_DOWN)
        run.desktop.probe("keypress", list_hwnd, VK_DOWN)
        checks.equal(run.wait_selected(1), (1, 1), "Down twice selects row 1")
        run.desktop.probe("keypress", list_hwnd, VK_RETURN)
        opened = run.browser.wait_for(1)
        checks.equal(len(opened), 1, f"Enter opens one lookup page: {opened}")
        checks.expect(all(page.startswith(f"{options.lookup_url}/entry/") for page in opened),
                      f"the page is the row's lookup: {opened}")
        checks.expect(run.program.running(), "Enter closed nothing")

        checks.section("keyboard: Tab goes list, check box, button")
        run.desktop.probe("keypress", list_hwnd, VK_TAB)
        checks.equal(run.desktop.probe("wait-focus", check["hwnd"], HANG_SECONDS * 1000)["wait-focus"],
                     True, "Tab from the list reaches the check box")
        run.desktop.probe("keypress", check["hwnd"], VK_TAB)
        checks.equal(run.desktop.probe("wait-focus", button["hwnd"], HANG_SECONDS * 1000)["wait-focus"],
                     True, "Tab from the check box reaches the button")
        run.desktop.probe("keypress", button["hwnd"], VK_SPACE)
        checks.equal(run.desktop.probe("wait-text", button["hwnd"], "Enable",
                                       HANG_SECONDS * 1000)["wait-text"], True,
                     "Space on the button switched the selected entry off")
        checks.equal(focus(), button["hwnd"], "the button keeps the focus after its switch")
        run.close()


def case_accessible(checks, run, options, work):
    """What a screen reader is given, read from this separate process through Active
    Accessibility: the list's name is its first column's title, a switched-off entry's row
    says so in words, and the status bar's notice and the owner-drawn button give their
    text."""
    link = f"{options.init_url}/news?id=7"
    reply = json.dumps({"notify": link}, separators=(",", ":"))
    with StandInServer(options.server, work, options.port, reply):
        run.start()
        rows = run.wait_rows()
        tree = run.tree()
        listed = run.child(tree, "SysListView32")
        button = next((c for c in tree["children"] if c["text"] in ("Disable", "Enable")), None)
        if not checks.expect(button is not None, f"the button: {[c['text'] for c in tree['children']]}"):
            raise Abort
        # Switch the first row off with the button, as the keyboard case does.
        run.desktop.probe("click-row", 0)
        checks.equal(run.wait_selected(0), (0, 0), "row 0 is selected")
        switched_name = rows[0][0]
        run.desktop.probe("click", button["hwnd"])
        checks.equal(run.desktop.probe("wait-text", button["hwnd"], "Enable", HANG_SECONDS * 1000)["wait-text"],
                     True, "the button switched row 0 off")
        checks.equal(run.wait_selected(0), (0, 0), "row 0 stays selected after the refresh")

        found = run.desktop.probe("accessible", listed["hwnd"])[f"accessible:{listed['hwnd']}"]
        if not checks.expect(found is not None, "the list has an accessible object"):
            raise Abort
        checks.expect(bool(listed["text"]), f"the list's window text is the first column's title: {listed['text']!r}")
        checks.equal(found["name"], listed["text"], "the list's accessible name")
        children = found["children"]
        print(f"   the list: {found['name']!r}, rows {[(c['name'], c['description'], c['state']) for c in children]}",
              flush=True)
        checks.equal(len(children), len(rows), "one accessible child per row")
        by_name = {child["name"]: child for child in children}
        off = by_name.get(switched_name)
        if checks.expect(off is not None, f"the switched-off row {switched_name!r} among {list(by_name)}"):
            checks.equal(off["description"], "Disabled", "a switched-off row says so in words")
            checks.expect(off["state"] is not None and off["state"] & STATE_SYSTEM_SELECTED,
                          f"its state says it is selected: {off['state']}")
        others = [c for c in children if c["name"] != switched_name]
        checks.expect(others and all(c["description"] in (None, "") for c in others),
                      f"rows that are on have no such description: {others[:3]}")

        spoken = run.desktop.probe("accessible", button["hwnd"])[f"accessible:{button['hwnd']}"]
        checks.equal(spoken and spoken["name"].replace("&", ""), "Enable",
                     "the owner-drawn button's accessible name is its caption")
        bar = run.child(run.tree(), "msctls_statusbar32")
        if checks.expect(bar is not None and bar["visible"], "the status bar with the notice is there"):
            notice = run.desktop.probe("accessible", bar["hwnd"])[f"accessible:{bar['hwnd']}"]
            print(f"   the button: {spoken and spoken['name']!r}, the status bar: {notice and notice['name']!r}",
                  flush=True)
            checks.expect(notice is not None and bool(notice["name"]) and notice["name"] == bar["text"],
                          f"the status bar's accessible name is its notice: {notice} / {bar['text']!r}")
        run.close()


def hex_color(text):
    return "".join(f"{int(part):02x}" for part in text.split())


def case_contrast(checks, run, options, work):
    """A black high-contrast scheme set in the prefix: Wine takes the colours, and the
    window draws with them where it must (the list's face, text and selected row, the
    check box on the frame). Wine 8 does not report high contrast: SPI_GETHIGHCONTRAST
    leaves HCF_HIGHCONTRASTON off whatever the HighContrast key under the user's
    Control Panel Accessibility key says, so the button keeps its normal look here; the high-contrast branch of the button,
    the hot row and the update dialog is proven by the Wine tests through the program's
    test switch. Windows reports the flag from the same setting and the button then takes
    the button face and text pair."""
    for name, value in CONTRAST_COLORS.items():
        run.desktop.probe("set", r"HKCU\Control Panel\Colors", name, value)
    for key, name, value in CONTRAST_SETTINGS:
        run.desktop.probe("set", f"HKCU\\{key}", name, value)
    with StandInServer(options.server, work, options.port, "{}"):
        run.start()
        run.wait_rows()
        system = run.desktop.probe("syscolors")["syscolors"]
        print(f"   the system's colours: {system}", flush=True)
        for pair, name in (("window", "Window"), ("windowText", "WindowText"),
                           ("highlight", "Hilight"), ("highlightText", "HilightText"),
                           ("buttonFace", "ButtonFace"), ("buttonText", "ButtonText")):
            checks.equal(system[pair], hex_color(CONTRAST_COLORS[name]), f"Wine took the scheme's {name}")
        checks.equal(system["highContrast"], False,
                     "Wine 8 does not report high contrast from the prefix's setting")
        run.desktop.probe("click-row", 0)
        checks.equal(run.wait_selected(0), (0, 0), "row 0 is selected")
        run.desktop.probe("sleep", 500)
        tree = run.tree()
        listed = run.child(tree, "SysListView32")
        check = run.child(tree, "Button", "All Programs")
        colors = lambda hwnd: dict(run.desktop.probe("colors", hwnd)[f"colors:{hwnd}"])
        in_list = colors(listed["hwnd"])
        print(f"   the list's colours: {list(in_list.items())[:6]}", flush=True)
        face = hex_color(CONTRAST_COLORS["Window"])
        checks.equal(max(in_list, key=in_list.get) if in_list else None, face,
                     "the list's face is the scheme's window colour")
        for name in ("WindowText", "Hilight"):
            checks.expect(hex_color(CONTRAST_COLORS[name]) in in_list,
                          f"the list draws with the scheme's {name}")
        if checks.expect(check is not None, "the check box"):
            in_check = colors(check["hwnd"])
            print(f"   the check box's colours: {list(in_check.items())[:6]}", flush=True)
            checks.equal(max(in_check, key=in_check.get) if in_check else None,
                         hex_color(CONTRAST_COLORS["ButtonFace"]),
                         "the check box stands on the scheme's button face")
        run.close()


def answer_window(run, what):
    """WM_NULL every 10 ms until the list has rows and their count has stood still for
    five seconds: the longest answer, the messages sent and unanswered, the rows, and how
    long they took to settle."""
    longest, sent, unanswered, settled = 0.0, 0, 0, 0.0
    started = time.monotonic()
    while time.monotonic() - started < 900:
        window = run.desktop.probe("answers", 5000)["answers:5000"]
        if window is None:
            raise Abort
        longest = max(longest, window["longest"])
        sent += window["sent"]
        unanswered += window["unanswered"]
        if window["rowsChangedAt"] > 0:
            settled = time.monotonic() - started - 5 + window["rowsChangedAt"] / 1000
        elif window["rows"] > 0:
            break
    print(f"   {what}: longest answer {longest:.1f} ms over {sent} messages "
          f"({unanswered} unanswered), {window['rows']} rows, settled after about {settled:.1f} s",
          flush=True)
    return longest, unanswered


def case_answers(checks, run, options, work):
    """The answer-time benchmark, not a test: how long the window takes at most to answer
    a message during a full refresh of a large machine, and during one that meets a share
    that does not answer. scripts/wine-answer-bench.sh runs it."""
    filler = run.desktop.start(options.filler, "--fill", str(options.fill))
    checks.equal(filler.wait(1800), 0, "the machine is filled")
    with StandInServer(options.server, work, options.port, "{}"):
        run.start()
        answer_window(run, "first refresh")
        list_hwnd = run.list_hwnd()
        run.desktop.probe("keypress", list_hwnd, VK_F5)
        answer_window(run, "F5 refresh")
        # Wine reaches no SMB share: what a path on an address that never answers costs
        # it is printed; on Windows such a path waits for the network's time-out.
        run.desktop.probe("set", f"HKCU\\{RUN}", "Offline Share", r"\\10.255.255.1\share\x.exe")
        run.desktop.probe("keypress", list_hwnd, VK_F5)
        answer_window(run, "F5 refresh with an unreachable share")
        run.close()


CASES = {"held": case_held, "other": case_other, "no": case_no, "yes": case_yes,
         "notify": case_notify, "close": case_close, "korean": case_korean,
         "offline": case_offline, "huge": case_huge,
         "selection": case_selection, "closehang": case_closehang, "closehold": case_closehold,
         "keyboard": case_keyboard, "accessible": case_accessible, "answers": case_answers,
         "contrast": case_contrast}


def prepare(prefix, browser):
    folders = prefix.probe("folders")["folders"]
    startup = folders["startup"]
    values = [
        ("HKCU", RUN, "FooBar", "sz", f"{APPS}\\FooBar.exe"),
        ("HKCU", RUN, "Keeper", "sz", f'"{APPS}\\Keeper.exe" /background'),
        ("HKCU", RUN, SWITCHY_NAME, "sz", f"{APPS}\\Keeper.exe"),
        browser.registry_value(),
    ]
    files = {
        f"{APPS}\\FooBar.exe": b"MZ",
        f"{APPS}\\Keeper.exe": b"MZ",
        f"{APPS}\\Fresh.exe": b"MZ",
        **{f"{APPS}\\{name}.exe": b"MZ" for name in SELECTION_VALUES},
        f"{startup}\\Discord.exe": b"MZ",
        f"{startup}\\Helper.cmd": b"@echo off\r\n",
    }
    prefix.prepare_fresh(values, files, [], [], [])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    for name in ("--orvane", "--probe", "--server", "--scripts", "--prefix-root"):
        parser.add_argument(name, type=Path, required=True)
    for name in ("--init-url", "--lookup-url", "--link-url"):
        parser.add_argument(name, required=True)
    parser.add_argument("--cases", default="held,other,no,yes,notify,close,closehang,closehold,"
                                            "korean,huge,selection")
    parser.add_argument("--locales", type=Path, required=True,
                        help="the locales compiled into the build (LOCPATH)")
    parser.add_argument("--name", default="e2e-orvane")
    parser.add_argument("--filler", type=Path, help="orvane_wine_bench.exe, for the answers case")
    parser.add_argument("--fill", type=int, default=10000, help="Run values for the answers case")
    options = parser.parse_args()
    address = urllib.parse.urlsplit(options.init_url)
    if address.scheme != "http" or address.hostname != "127.0.0.1" or address.path:
        print(f"orvane_e2e: the build talks to {options.init_url}; the stand-in server can only "
              f"play http://127.0.0.1:PORT", file=sys.stderr)
        return 2
    if not options.server.is_file():
        print(f"orvane_e2e: no orvane-server at {options.server}: build the native "
              f"configuration first (cmake --preset native && cmake --build --preset native)",
              file=sys.stderr)
        return 2
    if not (options.locales / "ko_KR.UTF-8" / "LC_CTYPE").is_file():
        print(f"orvane_e2e: the Korean locale is missing under {options.locales} (the windows "
              f"build compiles it with localedef)", file=sys.stderr)
        return 2
    options.port = address.port or 80
    # The program talks to the one port it was built with, so no other will do: a port
    # that is taken ends the run before anything starts, naming what holds it.
    if not port_is_free(options.port):
        print(f"orvane_e2e: {taken_port_message(options.port)}", file=sys.stderr)
        return 1
    options.korean = {"LANG": "ko_KR.UTF-8", "LC_ALL": "ko_KR.UTF-8",
                      "LOCPATH": str(options.locales)}
    cases = options.cases.split(",")
    if unknown := [c for c in cases if c not in CASES]:
        parser.error(f"unknown cases {unknown}; known: {list(CASES)}")

    started = time.time()
    checks = Checks()
    prefix = Prefix(options.scripts, options.prefix_root, "win10", options.probe, options.name)
    checks.section(f"fresh win10 prefix at {prefix.path}")
    prefix.create()
    # Beside the prefix rather than in its work folder, which a second preparation replaces.
    browser_folder = Path(f"{prefix.path}.browser")
    shutil.rmtree(browser_folder, ignore_errors=True)
    browser_folder.mkdir()
    try:
        browser = Browser(browser_folder)
        prepare(prefix, browser)
        # Each case starts from the prepared prefix: what a case changed (Run values,
        # approval records, files, Wine's own state) is put back before the next one.
        # Copying only what changed takes a fraction of a second; a fresh copy of the
        # whole prefix would take seconds per case.
        kept = time.monotonic()
        prefix.keep()
        print(f"   kept the prepared prefix in {time.monotonic() - kept:.1f} s", flush=True)
        run = Orvane(checks, None, browser, options)
        for number, case in enumerate(cases):
            checks.section(case)
            if number > 0:
                restoring = time.monotonic()
                changes = prefix.restore()
                print(f"   put back the prepared prefix: {changes} changes in "
                      f"{time.monotonic() - restoring:.2f} s", flush=True)
            case_started = time.monotonic()
            # Wine takes the user locale from the environment a process starts with.
            locale = options.korean if case == "korean" else {}
            with Desktop(prefix, locale) as run.desktop:
                try:
                    CASES[case](checks, run, options, prefix.work)
                except Abort:
                    pass
                finally:
                    # Whatever a case left running ends here, so the next one starts alone.
                    if run.program is not None and run.program.running():
                        checks.expect(False, f"{case}: the program was still running at the end")
                        run.program.process.kill()
                        run.program.wait(HANG_SECONDS)
                    run.desktop.probe("wait", "gone", 10000)
            print(f"   {case}: {time.monotonic() - case_started:.0f} s", flush=True)
    finally:
        prefix.remove_work()
        prefix.drop_kept()
        shutil.rmtree(browser_folder, ignore_errors=True)

    return checks.finish(prefix, started)


if __name__ == "__main__":
    sys.exit(main())
