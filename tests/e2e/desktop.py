"""A live Wine desktop for orvane.exe on a prepared prefix, the stand-in server it talks
to, and a browser that only writes down what it was asked to open.

scripts/wine-run.sh runs one program and ends every Wine process when it returns, which
suits a console program. A window has to be looked at while it runs, so a Desktop keeps
one Xvfb display and one wineserver for the whole run: orvane.exe runs in the background
and the probe program, started beside it in the same prefix, reads and drives its windows.
"""

import fcntl
import json
import os
import re
import signal
import socket
import subprocess
import tempfile
import threading
import time
import urllib.request
from pathlib import Path

# A wait for a window, a row or a request that never comes ends here: long enough for a
# loaded two-core machine, short enough that a hung program fails the run in good time.
HANG_SECONDS = 60


class Desktop:
    def __init__(self, prefix, environment=None):
        """prefix: an e2e_prefix.Prefix that has been created and prepared."""
        self.prefix = prefix
        self.extra = dict(environment or {})
        self.folder = Path(tempfile.mkdtemp(prefix="desktop.", dir=prefix.work))
        self.xvfb = None
        self.lock = None
        self.env = None
        self.programs = []

    def __enter__(self):
        # The same lock as wine-run.sh: nothing else may use this prefix's wineserver.
        self.lock = open(f"{self.prefix.path}.run.lock", "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        display_file = self.folder / "display"
        with open(display_file, "w") as display, open(self.folder / "xvfb.log", "w") as log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(display.fileno()), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp"], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                pass_fds=[display.fileno()])
        deadline = time.monotonic() + 20
        while not display_file.read_text().strip():
            if self.xvfb.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("Xvfb did not start: " + (self.folder / "xvfb.log").read_text())
            time.sleep(0.1)
        home = Path(f"{self.prefix.path}.home")
        self.env = dict(self.prefix._wine_env())
        self.env.update({
            "DISPLAY": ":" + display_file.read_text().split()[0],
            "XDG_CONFIG_HOME": str(home / ".config"),
            "XDG_DATA_HOME": str(home / ".local/share"),
            "XDG_CACHE_HOME": str(home / ".cache"),
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
        })
        self.env.update(self.extra)
        subprocess.run(["wineserver", "-p"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        return self

    def __exit__(self, *_):
        subprocess.run(["wineserver", "-k"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        for program in self.programs:
            try:
                program.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                program.process.kill()
                program.process.wait()
        subprocess.run(["wineserver", "-w"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False,
                       timeout=60)
        if self.xvfb is not None:
            self.xvfb.terminate()
            self.xvfb.wait()
        self.lock.close()

    def start(self, exe, *args):
        """Starts a Windows program in the background. Output goes to files, never a pipe:
        Wine's background services inherit the program's handles."""
        program = Program(self, exe, args, len(self.programs))
        self.programs.append(program)
        return program

    # Requests that only look: running one of them twice changes nothing.
    LOOKING = {"folders", "now", "version", "services", "keytree", "key", "dir", "windows",
               "rows", "selected", "tree", "wait", "wait-rows", "wait-selected", "wait-value",
               "wait-text", "accessible", "colors", "syscolors", "answers"}
    ACTING = {"click", "close", "click-row", "dblclick-row", "rclick-row", "click-at", "set",
              "delete", "keypress", "char", "sleep"}

    # What Wine prints when a process fails before any of its own code runs.
    NEVER_STARTED = ("failed to map the shared user data",)

    def probe(self, *requests, timeout=HANG_SECONDS + 60):
        """Runs the probe with the requests and answers with its JSON object.

        The probe always writes its object before it ends, so an exit without a byte of
        output means Wine never ran it to the end (seen once under load: exit code 1, no
        output). A request that only looks is then run once more, and the first failure
        is printed; one that acts is not, since it may have acted before it was lost,
        unless Wine says it could not even set the process up (its loader could not map
        the shared user data page at its fixed address, seen under load: nothing of the
        probe ran)."""
        code, text, errors = self._run_probe(requests, timeout)
        words = set(map(str, requests))
        looking = str(requests[0]) in self.LOOKING and not words & self.ACTING
        never_started = any(sign in errors for sign in self.NEVER_STARTED)
        if code != 0 and not text and (looking or never_started):
            print(f"   the probe ended ({code}) without an answer on {requests}, run again; "
                  f"its errors: {errors!r}", flush=True)
            code, text, errors = self._run_probe(requests, timeout)
        if code != 0:
            raise RuntimeError(f"the probe failed ({code}) on {requests}: {text!r} {errors!r}")
        return json.loads(text)

    def _run_probe(self, requests, timeout):
        out = self.folder / "probe.out"
        err = self.folder / "probe.err"
        # Wine's own error channel, so a failure to start says why.
        env = dict(self.env, WINEDEBUG="-all,err+all")
        with open(out, "wb") as stdout, open(err, "wb") as stderr:
            code = subprocess.run(["wine", str(self.prefix.probe_exe), *map(str, requests)],
                                  env=env, stdin=subprocess.DEVNULL, stdout=stdout,
                                  stderr=stderr, timeout=timeout, check=False).returncode
        return (code, out.read_bytes().decode("utf-8", errors="replace"),
                err.read_text(errors="replace")[-2000:])

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL)


class Program:
    def __init__(self, desktop, exe, args, number):
        self.out = desktop.folder / f"program{number}.out"
        self.err = desktop.folder / f"program{number}.err"
        self.started = time.monotonic()
        with open(self.out, "wb") as stdout, open(self.err, "wb") as stderr:
            self.process = subprocess.Popen(["wine", str(exe), *map(str, args)], env=desktop.env,
                                            stdin=subprocess.DEVNULL, stdout=stdout,
                                            stderr=stderr)

    def wait(self, timeout):
        """The exit code, or None when the program is still running after timeout seconds."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.process.poll() is None


class StandInServer:
    """orvane-server on the address the program was built with (127.0.0.1:8431 by default)
    with one reply; every request it receives is in its log. With hold=True it keeps each
    start-up reply back until release()."""

    def __init__(self, exe, folder, port, reply, *options, hold=False):
        if not port_is_free(port):
            raise RuntimeError(taken_port_message(port))
        self.base = f"http://127.0.0.1:{port}"
        self.log_path = Path(folder) / f"server-{time.monotonic_ns()}.log"
        reply_path = Path(f"{self.log_path}.reply")
        reply_path.write_bytes(reply.encode("utf-8") if isinstance(reply, str) else reply)
        port_file = Path(f"{self.log_path}.port")
        self.output = open(f"{self.log_path}.out", "wb")
        self.process = subprocess.Popen(
            [str(exe), "--port", str(port), "--port-file", str(port_file), "--reply",
             str(reply_path), "--log", str(self.log_path), *options,
             *(["--hold-replies"] if hold else [])],
            stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 20
        while not port_file.exists():
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.stop()
                raise RuntimeError("orvane-server did not start: " +
                                   Path(f"{self.log_path}.out").read_text(errors="replace"))
            time.sleep(0.05)

    def requests(self):
        if not self.log_path.exists():
            return []
        return [json.loads(line) for line in self.log_path.read_text().splitlines() if line]

    def wait_for_request(self, count=1, timeout=HANG_SECONDS):
        return poll_until(self.requests, lambda seen: len(seen) >= count, timeout, step=0.1)

    def _control(self, path, method):
        request = urllib.request.Request(self.base + path, method=method,
                                         data=b"" if method == "POST" else None)
        with DIRECT.open(request, timeout=HANG_SECONDS) as answer:
            return json.loads(answer.read())

    def waiting(self):
        """How many start-up replies the server holds now."""
        return self._control("/control/waiting", "GET")["waiting"]

    def wait_until_held(self, count=1, timeout=HANG_SECONDS):
        """The number of held replies once it reaches count, or the last one seen when
        the time is up."""
        return poll_until(self.waiting, lambda held: held >= count, timeout)

    def release(self):
        """Sends the held replies; how many there were."""
        return self._control("/control/release", "POST")["released"]

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.output.close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()


class HangingUpServer:
    """A listener on the program's port that takes every connection and closes it without
    a word: each attempt of the program fails at once, and the count says how many there
    were, so a test knows when the program has gone into its pause between attempts."""

    def __init__(self, port):
        if not port_is_free(port):
            raise RuntimeError(taken_port_message(port))
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", port))
        self.listener.listen(16)
        self.lock = threading.Lock()
        self.connections = 0
        self.thread = threading.Thread(target=self._serve, daemon=True)
        self.thread.start()

    def _serve(self):
        while True:
            try:
                connection, _ = self.listener.accept()
            except OSError:
                return  # closed by stop()
            with self.lock:
                self.connections += 1
            connection.close()

    def count(self):
        with self.lock:
            return self.connections

    def wait_for(self, count, timeout=HANG_SECONDS):
        """The number of connections once it reaches count, or the last one seen when the
        time is up."""
        return poll_until(self.count, lambda seen: seen >= count, timeout)

    def stop(self):
        # shutdown() wakes the accept() of the serving thread on Linux; close() alone
        # would not.
        try:
            self.listener.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.listener.close()
        self.thread.join(10)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()


# The stand-in server and the control requests go straight to 127.0.0.1, whatever proxy
# the environment names.
DIRECT = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def poll_until(read, enough, timeout=HANG_SECONDS, step=0.05):
    """Reads until enough(reading) holds or timeout seconds have passed on the monotonic
    clock; the last reading."""
    deadline = time.monotonic() + timeout
    reading = read()
    while not enough(reading) and time.monotonic() < deadline:
        time.sleep(step)
        reading = read()
    return reading


def port_is_free(port):
    with socket.socket() as probe:
        probe.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        try:
            probe.bind(("127.0.0.1", port))
        except OSError:
            return False
    return True


def port_holder(port):
    """The process listening on the port, as ss names it ('"name",pid=N'), or None when
    ss is missing or may not say (another user's process)."""
    try:
        listing = subprocess.run(["ss", "-Hltnp", f"sport = :{port}"], capture_output=True,
                                 text=True, timeout=10, check=False).stdout
    except (OSError, subprocess.TimeoutExpired):
        return None
    holders = re.findall(r'\("([^"]*)",pid=(\d+)', listing)
    return ", ".join(f"{name} (pid {pid})" for name, pid in holders) or None


def taken_port_message(port):
    holder = port_holder(port)
    return (f"port {port} on 127.0.0.1 is taken" + (f" by {holder}" if holder else "") +
            f"; the program was built to talk to that port, so the stand-in server must "
            f"listen there: stop whatever holds it")


class Browser:
    """A stand-in web browser: Wine's winebrowser starts the programs listed in
    HKCU\\Software\\Wine\\WineBrowser "Browsers" with the address, so the one listed there
    is a shell script that appends its arguments to a file, one a line: a command line the
    shell took apart shows as more than one line."""

    def __init__(self, folder):
        self.script = Path(folder) / "browser.sh"
        self.record = Path(folder) / "opened.txt"
        if "," in str(self.script):
            raise ValueError(f"the Browsers value is comma-separated: {self.script}")
        self.script.write_text(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{self.record}"\n')
        self.script.chmod(0o755)

    def registry_value(self):
        return ("HKCU", r"Software\Wine\WineBrowser", "Browsers", "sz", str(self.script))

    def opened(self):
        return self.record.read_text().splitlines() if self.record.exists() else []

    def wait_for(self, count, timeout=HANG_SECONDS):
        """The addresses once there are at least count, or all there are after timeout."""
        return poll_until(self.opened, lambda seen: len(seen) >= count, timeout, step=0.1)

    def clear(self):
        if self.record.exists():
            os.unlink(self.record)
