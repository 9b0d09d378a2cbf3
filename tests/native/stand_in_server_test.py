#!/usr/bin/env python3
"""orvane-server's held replies, through its own sockets: with --hold-replies a start-up
request waits until a control request releases it, and without the option no control
request exists. Over https (--tls-cert/--tls-key) it answers a client that trusts the
test authority, and --redirect-hops sends a client round to itself the number of times
asked. The end-to-end and Wine tests lean on all of it, so it is proven here first, on
Linux, without Wine.

usage: stand_in_server_test.py SERVER_EXE PKI_SCRIPT
"""

import json
import signal
import ssl
import subprocess
import sys
import tempfile
import threading
import time
import urllib.error
import urllib.request
from pathlib import Path

# A bound for every wait on the server, which answers in milliseconds: long enough for a
# loaded machine, never a measure of speed.
PATIENCE = 30
REPLY = '{"name_white":["Held"]}'

failures = []
# Straight to the server, whatever proxy the environment names.
OPENER = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


class Server:
    def __init__(self, exe, folder, *options):
        self.log = folder / f"log-{time.monotonic_ns()}"
        reply = Path(f"{self.log}.reply")
        reply.write_text(REPLY)
        port_file = Path(f"{self.log}.port")
        self.output = open(f"{self.log}.out", "wb")
        self.process = subprocess.Popen(
            [exe, "--port", "0", "--port-file", str(port_file), "--reply", str(reply),
             "--log", str(self.log), *options],
            stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + PATIENCE
        while not port_file.exists():
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("orvane-server did not start: " +
                                   Path(f"{self.log}.out").read_text(errors="replace"))
            time.sleep(0.02)
        scheme = "https" if "--tls-cert" in options else "http"
        self.base = f"{scheme}://localhost:{port_file.read_text().strip()}"

    def ask(self, path, method="GET", headers=None, opener=OPENER):
        """(status, body) of one request."""
        request = urllib.request.Request(self.base + path, method=method, headers=headers or {},
                                         data=b"" if method == "POST" else None)
        try:
            with opener.open(request, timeout=PATIENCE) as answer:
                return answer.status, answer.read().decode()
        except urllib.error.HTTPError as error:
            return error.code, error.read().decode()

    def control(self, path, method):
        status, body = self.ask(path, method)
        return json.loads(body) if status == 200 else status

    def in_background(self, path, headers=None):
        """A request on a thread of its own; its answer lands in the returned dict."""
        answer = {}

        def run():
            try:
                answer["result"] = self.ask(path, headers=headers)
            except OSError as error:
                answer["error"] = str(error)

        thread = threading.Thread(target=run, daemon=True)
        thread.start()
        answer["thread"] = thread
        return answer


    def wait_waiting(self, count):
        """The number of held replies once it is count, or the last one seen at the bound."""
        deadline = time.monotonic() + PATIENCE
        while True:
            waiting = self.control("/control/waiting", "GET")["waiting"]
            if waiting == count or time.monotonic() > deadline:
                return waiting
            time.sleep(0.02)

    def logged_paths(self):
        if not self.log.exists():
            return []
        return [json.loads(line)["path"] for line in self.log.read_text().splitlines()]

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
        code = self.process.wait(timeout=PATIENCE)
        self.output.close()
        return code


def outcome(answer):
    return answer.get("result", answer.get("error", "no answer yet"))


def without_the_option(exe, folder):
    server = Server(exe, folder)
    try:
        for path, method in [("/control/waiting", "GET"), ("/control/release", "POST")]:
            check(server.ask(path, method)[0] == 404, f"without --hold-replies {method} {path} is 404")
        check(server.ask("/api.init.php") == (200, REPLY),
              "without --hold-replies the start-up request is answered at once")
    finally:
        server.stop()


def with_the_option(exe, folder):
    server = Server(exe, folder, "--hold-replies")
    try:
        check(server.control("/control/release", "POST") == {"released": 0},
              "a release with nothing held lets go of nothing")
        check(server.control("/control/waiting", "GET") == {"waiting": 0},
              "nothing is held before a request")
        check(server.ask("/control/release")[0] == 405, "GET /control/release is refused")
        check(server.ask("/control/waiting", "POST")[0] == 405, "POST /control/waiting is refused")
        check(server.ask("/control/other")[0] == 404, "an unknown control path is 404")

        first = server.in_background("/api.init.php")
        check(server.wait_waiting(1) == 1, "the start-up request is held")
        # The program's hold request is no start-up reply: it is answered while the other
        # waits.
        check(server.ask("/api.init.php", headers={"User-Command": "hold"}) == (200, ""),
              "a hold request is answered while a start-up reply is held")
        check(first["thread"].is_alive() and "result" not in first,
              "the held request has no answer before the release")
        check(server.control("/control/release", "POST") == {"released": 1},
              "the release lets go of the one held request")
        first["thread"].join(PATIENCE)
        check(first.get("result") == (200, REPLY), f"the released request gets the reply: {outcome(first)}")
        check(server.control("/control/waiting", "GET") == {"waiting": 0},
              "nothing is held after the release")

        # A release is for the requests that wait at that moment: two later ones wait again.
        later = [server.in_background("/api.init.php") for _ in range(2)]
        check(server.wait_waiting(2) == 2, "two later start-up requests are held again")
        check(server.control("/control/release", "POST") == {"released": 2},
              "one release lets go of both")
        for answer in later:
            answer["thread"].join(PATIENCE)
            check(answer.get("result") == (200, REPLY), f"each gets the reply: {outcome(answer)}")

        check(server.logged_paths() == ["/api.init.php"] * 4,
              f"the log holds the client's requests alone: {server.logged_paths()}")

        # A stop while a reply is held ends the server at once; the client gets no reply.
        last = server.in_background("/api.init.php")
        check(server.wait_waiting(1) == 1, "a request held at the stop")
        stopping = time.monotonic()
        check(server.stop() == 0, "the server stops cleanly with a reply held")
        check(time.monotonic() - stopping < PATIENCE, "and does not wait for a release")
        last["thread"].join(PATIENCE)
        check("result" not in last, f"the held request got no reply: {outcome(last)}")
    finally:
        server.stop()


def over_https(exe, folder, pki_script):
    pki = folder / "pki"
    subprocess.run(["bash", pki_script, str(pki)], check=True)
    trusting = ssl.create_default_context(cafile=str(pki / "ca.pem"))
    opener = urllib.request.build_opener(urllib.request.ProxyHandler({}),
                                         urllib.request.HTTPSHandler(context=trusting))
    tls = ["--tls-cert", str(pki / "localhost.pem"), "--tls-key", str(pki / "localhost.key")]
    server = Server(exe, folder, *tls, "--redirect-hops", "3")
    try:
        check(server.ask("/api.init.php", opener=opener) == (200, REPLY),
              "over https the reply comes after the redirects, to a client trusting the authority")
        check(server.logged_paths() == ["/api.init.php", "/api.init.php?hop=1",
                                        "/api.init.php?hop=2", "/api.init.php?hop=3"],
              f"three redirects to itself, then the reply: {server.logged_paths()}")
        try:
            server.ask("/api.init.php")
            check(False, "a client that does not trust the authority is refused")
        except urllib.error.URLError as error:
            check(isinstance(error.reason, ssl.SSLCertVerificationError),
                  f"a client that does not trust the authority is refused: {error.reason}")
        check(len(server.logged_paths()) == 4, "and the server never reads its request")
    finally:
        server.stop()
    untrusted = Server(exe, folder, "--tls-cert", str(pki / "expired.pem"), "--tls-key",
                       str(pki / "expired.key"))
    try:
        try:
            untrusted.ask("/api.init.php", opener=opener)
            check(False, "an expired certificate is refused")
        except urllib.error.URLError as error:
            check("expired" in str(error.reason), f"an expired certificate is refused: {error.reason}")
    finally:
        untrusted.stop()
    started = subprocess.run([exe, "--tls-cert", str(pki / "localhost.pem")], capture_output=True)
    check(started.returncode == 2, "--tls-cert without --tls-key is refused")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    exe = sys.argv[1]
    if not Path(exe).is_file():
        print(f"stand_in_server_test: no orvane-server at {exe}", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory(prefix="stand-in-server.") as folder:
        without_the_option(exe, Path(folder))
        with_the_option(exe, Path(folder))
        over_https(exe, Path(folder), sys.argv[2])
    if failures:
        print(f"{len(failures)} checks failed", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
