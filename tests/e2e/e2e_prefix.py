"""A fresh Wine prefix for one end-to-end run, the programs run in it, and its preparation.

Every Windows program goes through scripts/wine-run.sh, which gives it a wineserver of its
own and ends every Wine process before it returns. Making a prefix costs about ten
seconds, so one pristine prefix per Windows version is made once by scripts/wine-prefix.sh
and copied for every run: each run starts from the same state, and a run cut short leaves
nothing the next one could trip over.
"""

import json
import os
import shutil
import stat
import subprocess
import sys
import tempfile
from dataclasses import dataclass
from pathlib import Path


@dataclass
class Result:
    code: int
    out: str
    err: str

    def describe(self):
        return f"exit {self.code}, stdout {self.out!r}, stderr {self.err!r}"


class Prefix:
    def __init__(self, scripts: Path, root: Path, version: str, probe: Path, name: str = "e2e"):
        """name: the copy's own name, so tests that run at once never share a copy."""
        self.scripts = scripts
        self.version = version
        self.probe_exe = probe
        self.pristine = root / f"e2e-pristine-{version}"
        self.path = root / f"{name}-{version}"
        self.kept = Path(f"{self.path}.kept")
        self.work = None

    # --- the prefix -------------------------------------------------------------------

    def create(self):
        """Copies the pristine prefix (making it first if needed) over any earlier run's."""
        subprocess.run([str(self.scripts / "wine-prefix.sh"), str(self.pristine), self.version],
                       check=True, stdin=subprocess.DEVNULL)
        if self.path.exists():
            # A run ended by force may have left its wineserver behind; end that one only.
            subprocess.run(["wineserver", "-k"], env=self._wine_env(), stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        leftovers = [*self.path.parent.glob(f"{self.path.name}.run.*"),
                     *self.path.parent.glob(f"{self.path.name}.out.*"),
                     *self.path.parent.glob(f"{self.path.name}.kept*")]
        for old in [self.path, Path(f"{self.path}.home"), *leftovers]:
            if old.is_dir() and not old.is_symlink():
                shutil.rmtree(old)
            elif old.exists():
                old.unlink()
        subprocess.run(["cp", "-a", "--reflink=auto", str(self.pristine), str(self.path)],
                       check=True)
        Path(f"{self.path}.home").mkdir()
        # The pristine prefix's few remaining profile links point into its own home folder;
        # the copy gets real empty folders instead, so nothing leads out of it.
        for link in list((self.path / "drive_c" / "users").rglob("*")):
            if link.is_symlink():
                link.unlink()
                link.mkdir()
        self.work = Path(tempfile.mkdtemp(prefix=f"{self.path.name}.out.", dir=self.path.parent))

    def remove_work(self):
        if self.work is not None:
            shutil.rmtree(self.work, ignore_errors=True)

    def remove(self):
        """Drops the copy (700 MB); wine-run.sh has already ended its wineserver."""
        for folder in (self.path, Path(f"{self.path}.home")):
            shutil.rmtree(folder, ignore_errors=True)
        self.drop_kept()

    # --- a state to come back to --------------------------------------------------------

    def keep(self):
        """Copies the prefix and its home folder as they are now, for restore(). Only
        while no wineserver runs in the prefix: the registry is on disk then."""
        self.drop_kept()
        for source, copy in self._kept_pairs():
            subprocess.run(["cp", "-a", "--reflink=auto", str(source), str(copy)], check=True)

    def restore(self):
        """Puts the prefix and its home folder back as keep() found them, copying only what
        changed since (the registry files, a folder's files); the number of changes. Only
        while no wineserver runs in the prefix."""
        return sum(sync_tree(copy, source) for source, copy in self._kept_pairs())

    def drop_kept(self):
        for _, copy in self._kept_pairs():
            shutil.rmtree(copy, ignore_errors=True)

    def _kept_pairs(self):
        return [(self.path, self.kept), (Path(f"{self.path}.home"), Path(f"{self.kept}.home"))]

    def _wine_env(self):
        env = dict(os.environ)
        env.update({
            "ORVANE_WINE_PREFIX": str(self.path),
            "ORVANE_WINE_VERSION": self.version,
            "ORVANE_WINE_TIMEOUT": "120",
            # Wine turns the Unix arguments and file names into UTF-16 with the locale's
            # character set: without a UTF-8 locale the non-ASCII names would not survive.
            "LC_ALL": "C.UTF-8",
            "LANG": "C.UTF-8",
            # For the one direct wineserver call above; wine-run.sh sets its own.
            "WINEPREFIX": str(self.path),
            "HOME": f"{self.path}.home",
        })
        return env

    # --- programs ---------------------------------------------------------------------

    def run(self, exe, *args, trusting=None) -> Result:
        """Runs a Windows program through wine-run.sh. Output goes to files, never a pipe.
        trusting: a PEM authority Wine trusts for this run (scripts/wine-trusting.sh: a
        mount namespace of the run's own, which needs root)."""
        out_path = self.work / "stdout"
        err_path = self.work / "stderr"
        command = [str(self.scripts / "wine-run.sh"), str(exe), *map(str, args)]
        if trusting is not None:
            command = ["bash", str(self.scripts / "wine-trusting.sh"), str(trusting), *command]
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            code = subprocess.run(command, env=self._wine_env(), stdin=subprocess.DEVNULL,
                                  stdout=out, stderr=err, timeout=300, check=False).returncode
        return Result(code, out_path.read_bytes().decode("utf-8", errors="replace"),
                      err_path.read_bytes().decode("utf-8", errors="replace"))

    def system32(self, name):
        return self.path / "drive_c" / "windows" / "system32" / name

    def probe(self, *requests) -> dict:
        result = self.run(self.probe_exe, *requests)
        if result.code != 0 and not result.out and not result.err:
            # Now and then the first Wine start in a fresh copy of a prefix ends at once
            # with nothing said (seen on a loaded machine); the probe only reads, so a
            # second start is safe.
            result = self.run(self.probe_exe, *requests)
        if result.code != 0:
            raise RuntimeError(f"the probe failed: {result.describe()}")
        return json.loads(result.out)

    def unix_path(self, windows_path: str) -> Path:
        """The file a C:\\ path names, found the way Wine finds it: ignoring case."""
        if windows_path[:3].upper() != "C:\\":
            raise ValueError(f"not a C: path: {windows_path}")
        path = self.path / "drive_c"
        for part in filter(None, windows_path[3:].split("\\")):
            candidate = path / part
            if not candidate.exists() and path.is_dir():
                for child in path.iterdir():
                    if child.name.lower() == part.lower():
                        candidate = child
                        break
            path = candidate
        return path

    # --- preparation ------------------------------------------------------------------

    def prepare(self, values, files, folders, services, tasks):
        """Puts the test's entries into the prefix.

        values:   (root, key, name, kind, data); kind "sz", "expand", "binary" (bytes) or
                  "dword" (a number)
        files:    Windows path -> bytes, or None for a folder
        folders:  Windows paths of folders to create first
        services: (name, type, start, binary path, display name) for sc.exe
        tasks:    (name, command) registered from task XML with schtasks.exe

        Registry values go in through one .reg file (UTF-16, so any name survives), files
        straight into drive_c, services and tasks through Wine's own sc.exe and
        schtasks.exe, all from one batch file: a single Wine start for the lot.
        """
        for folder in folders:
            self.unix_path(folder).mkdir(parents=True, exist_ok=True)
        for path, content in files.items():
            target = self.unix_path(path)
            if content is None:
                target.mkdir(parents=True, exist_ok=True)
                (target / "inside.exe").write_bytes(b"MZ")
            else:
                target.parent.mkdir(parents=True, exist_ok=True)
                target.write_bytes(content)

        staging = self.path / "drive_c" / "e2e"
        staging.mkdir(exist_ok=True)
        # surrogatepass: a name may hold a lone surrogate, which the registry keeps as it is.
        (staging / "prepare.reg").write_bytes(
            b"\xff\xfe" + reg_file(values).encode("utf-16-le", "surrogatepass"))
        lines = ["@echo off", r"reg import C:\e2e\prepare.reg", "if errorlevel 1 exit /b 10"]
        for number, (name, kind, start, binary, display) in enumerate(services, 11):
            quoted = binary.replace('"', '\\"')
            lines += [f'sc create {name} binPath= "{quoted}" type= {kind} start= {start} '
                      f'DisplayName= "{display}"', f"if errorlevel 1 exit /b {number}"]
        for number, (name, command) in enumerate(tasks, 50):
            (staging / f"task{number}.xml").write_bytes(task_xml(command).encode("utf-16"))
            lines += [f'schtasks /create /tn "{name}" /xml C:\\e2e\\task{number}.xml',
                      f"if errorlevel 1 exit /b {number}"]
        lines.append("exit /b 0")
        for line in lines:
            if not line.isascii():
                raise ValueError(f"batch lines stay ASCII (the console code page): {line}")
        (staging / "prepare.cmd").write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
        result = self.run(self.system32("cmd.exe"), "/c", r"C:\e2e\prepare.cmd")
        if result.code != 0:
            raise RuntimeError(f"preparing the prefix failed at step {result.code}: "
                               f"{result.describe()}")

    def prepare_fresh(self, *args, attempts=2):
        """prepare() on a fresh copy of the pristine prefix, once more on a new copy when
        Wine's cmd.exe fails to start one of the tools, as it now and then does on a
        loaded machine ("Can't recognize 'sc create ...'"). The batch is not idempotent
        (a service cannot be created twice), so a retry starts from the pristine copy."""
        for attempt in range(1, attempts + 1):
            try:
                self.prepare(*args)
                return
            except RuntimeError as error:
                if attempt == attempts:
                    raise
                print(f"note: {error}; preparing a fresh copy again", file=sys.stderr)
                self.remove_work()
                self.create()


def sync_tree(source: Path, target: Path) -> int:
    """Makes target hold what source holds: files that differ in kind, size, mode or time
    of change are copied again, what source lacks is removed, links are made anew. The
    number of changes. Wine rewrites a registry file whole, with a new time of change, so
    a file with source's size and time is source's file."""
    changes = 0
    for folder, folders, files in os.walk(source):
        here = Path(folder)
        there = target / here.relative_to(source)
        wanted = set(folders) | set(files)
        for name in os.listdir(there):
            if name not in wanted:
                _remove(there / name)
                changes += 1
        for name in folders + files:
            changes += _sync_entry(here / name, there / name)
    return changes


def _remove(path: Path):
    if path.is_dir() and not path.is_symlink():
        shutil.rmtree(path)
    elif os.path.lexists(path):
        path.unlink()


def _sync_entry(source: Path, target: Path) -> int:
    """0 when target is source's entry already, else 1 once it is. A folder's contents
    are os.walk's to visit."""
    wanted = os.lstat(source)
    try:
        found = os.lstat(target)
    except FileNotFoundError:
        found = None
    if stat.S_ISLNK(wanted.st_mode):
        if found is not None and stat.S_ISLNK(found.st_mode) and \
                os.readlink(source) == os.readlink(target):
            return 0
        _remove(target)
        os.symlink(os.readlink(source), target)
        return 1
    if stat.S_ISDIR(wanted.st_mode):
        if found is not None and stat.S_ISDIR(found.st_mode):
            return 0
        _remove(target)
        target.mkdir()
        shutil.copystat(source, target)
        return 1
    if found is not None and (found.st_mode, found.st_size, found.st_mtime_ns) == \
            (wanted.st_mode, wanted.st_size, wanted.st_mtime_ns):
        return 0
    _remove(target)
    shutil.copy2(source, target, follow_symlinks=False)
    return 1


def reg_file(values):
    """Registry Editor 5 text for the values, keys in first-use order."""
    def quote(text):
        return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'

    def hex_bytes(data):
        return ",".join(f"{b:02x}" for b in data)

    keys = {}
    for root, key, name, kind, data in values:
        root_name = {"HKLM": "HKEY_LOCAL_MACHINE", "HKCU": "HKEY_CURRENT_USER"}[root]
        if kind == "sz":
            text = quote(data)
        elif kind == "expand":
            text = "hex(2):" + hex_bytes((data + "\0").encode("utf-16-le"))
        elif kind == "binary":
            text = "hex:" + hex_bytes(data)
        elif kind == "dword":
            text = f"dword:{data:08x}"
        else:
            raise ValueError(kind)
        keys.setdefault(f"{root_name}\\{key}", []).append(f"{quote(name)}={text}")
    lines = ["Windows Registry Editor Version 5.00", ""]
    for key, entries in keys.items():
        lines += [f"[{key}]", *entries, ""]
    return "\r\n".join(lines) + "\r\n"


def task_xml(command):
    return f"""<?xml version="1.0" encoding="UTF-16"?>
<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">
  <RegistrationInfo><Description>end-to-end test task</Description></RegistrationInfo>
  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>
  <Settings><Enabled>true</Enabled></Settings>
  <Actions Context="Author"><Exec><Command>{command}</Command></Exec></Actions>
</Task>
"""
