"""End-to-end harness: runs the real launcher.exe under Wine and watches it.

A test gets a temporary application folder (under the build tree) with the
launcher copied in under an application's name, writes its INI file byte for
byte, lays out JRE folders with the test-only jvm.dll (a double of a Java VM:
no Windows JRE exists on the build machine), seeds the registry view that
matches the build (32-bit build: /reg:32, 64-bit build: /reg:64), starts the
launcher, reads and closes its windows through uidriver.exe, and collects the
exit code and the record that the test jvm.dll writes.

Environment (set by ctest, see CMakeLists.txt):
  WINE_SESSION_DIR  the Wine session of the build tree (its "env" file gives
                    WINEPREFIX, DISPLAY, WINEDEBUG, WINEDLLOVERRIDES)
  LAUNCHER_EXE      build/<preset>/launcher.exe
  UIDRIVER_EXE      build/<preset>/tests/e2e/uidriver.exe
  FAKEJVM_DIR       build/<preset>/fakejvm (jvm.dll and its variants)
  E2E_WORK_DIR      where the temporary application folders go

Exit codes. The launcher returns 0 or -1. It is started through
"uidriver run", which reads the code with GetExitCodeProcess and prints it
as a signed 32-bit number, so -1 arrives as -1. Started directly with
"wine app.exe", the Unix exit status keeps only the low 8 bits and -1 shows
as 255; run_direct() maps that back (255 -> -1).

Command lines. "wine app.exe args..." would re-quote the arguments (Wine
escapes double quotes with backslashes), so the launcher is started through
"uidriver run" with the command line as hex: the launcher sees exactly the
bytes the test wrote.

Every wait has a timeout; a launcher that outlives its test is ended, and
every Wine command writes to files, never to a pipe that a long-lived Wine
process could inherit.

Seen under Wine 8: a message box's text control returns the text with its
trailing line feed; a process that showed a window takes about 2 s to end
after its last window closed (Wine's, not the launcher's: a program that
only shows a message box does the same).

Writing a test:

    class MyTests(LauncherTestCase):
        def test_something(self):
            app = self.make_app(ini=ini_text(main_class="com.example.App"))
            self.make_jre(app.folder, "jre")             # JRE beside the launcher
            result = self.run_app(app, args=["x"], boxes=1,
                                  env={"FAKEJVM_FAIL": "nomain"})
            self.assertErrorBox(result.boxes[0], "No main method ...\n")
            self.assertEqual(result.exit_code, -1)

or drive the windows yourself:

            with self.launch(app) as launch:
                window = launch.wait_window("SplashScreenWindow")
                ... self.session.driver("key", window["hwnd"], "ESCAPE") ...
                code = launch.wait_exit()

Register a module in CMakeLists.txt with launcher_e2e_test(<name> <module>).
"""

import json
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest

MESSAGE_BOX_CLASS = "#32770"
IDOK = 1
IDCANCEL = 2
SS_ICON = 0x3
SS_TYPEMASK = 0x1F
ICON_ID = 1088
TEXT_ID = 0xFFFF
JRE_KEY = "HKEY_LOCAL_MACHINE\\Software\\JavaSoft\\Java Runtime Environment"

DEFAULT_TIMEOUT = 60.0


def windows_path(path):
    """The Windows form of a Unix path: the Unix root is drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def is_windows_path(path):
    """True for a path already in Windows form, such as C:\\folder."""
    return len(path) >= 3 and path[0].isalpha() and path[1:3] == ":\\"


def pe_bits(exe):
    """32 or 64, from the machine field of a PE file's header."""
    with open(exe, "rb") as f:
        header = f.read(4096)
    offset = struct.unpack_from("<I", header, 0x3C)[0]
    machine = struct.unpack_from("<H", header, offset + 4)[0]
    return 64 if machine == 0x8664 else 32


def read_session_env(session_dir):
    env = {}
    with open(os.path.join(session_dir, "env")) as f:
        for line in f:
            line = line.strip()
            if line.startswith("export ") and "=" in line:
                key, value = line[len("export "):].split("=", 1)
                env[key] = value.strip('"')
    return env


class HarnessError(AssertionError):
    pass


class Session:
    """The Wine session and the build's programs, read from the environment."""

    def __init__(self):
        self.session_dir = os.environ["WINE_SESSION_DIR"]
        self.launcher_exe = os.environ["LAUNCHER_EXE"]
        self.uidriver_exe = os.environ["UIDRIVER_EXE"]
        self.fakejvm_dir = os.environ.get("FAKEJVM_DIR", "")
        self.work_root = os.environ.get("E2E_WORK_DIR") or os.path.join(
            os.path.dirname(self.uidriver_exe), "work")
        self.env = dict(os.environ)
        self.env.update(read_session_env(self.session_dir))
        for name in ("FAKEJVM_RECORD", "FAKEJVM_FAIL", "FAKEJVM_MAIN_WAIT_FILE"):
            self.env.pop(name, None)
        self.bits = pe_bits(self.launcher_exe)
        self.reg_view = "/reg:64" if self.bits == 64 else "/reg:32"

    # -- Running Wine commands ------------------------------------------

    def wine(self, args, timeout=DEFAULT_TIMEOUT, env=None, cwd=None):
        """Runs "wine args..." to its end; returns (status, stdout, stderr)."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            proc = subprocess.Popen(["wine"] + list(args), stdin=subprocess.DEVNULL,
                                    stdout=out, stderr=err, env=env or self.env,
                                    cwd=cwd, start_new_session=True)
            try:
                status = proc.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                kill_group(proc)
                raise HarnessError("wine %s: no end within %s s" % (args, timeout))
            out.seek(0)
            err.seek(0)
            return status, out.read(), err.read()

    def driver(self, *args, timeout=DEFAULT_TIMEOUT, env=None):
        """Runs one uidriver command; returns (exit status, its JSON answer)."""
        status, out, err = self.wine([self.uidriver_exe] + [str(a) for a in args],
                                     timeout=timeout, env=env)
        lines = out.decode("utf-8", "replace").strip().splitlines()
        if not lines:
            raise HarnessError("uidriver %s printed nothing (status %d): %r"
                               % (args, status, err))
        return status, json.loads(lines[-1])

    # -- Registry ---------------------------------------------------------

    def seed_registry(self, entries, work_dir):
        """Adds JRE version subkeys: entries is a list of (name, home), home
        None for a subkey without "JavaHome", bytes for the raw data of a
        string value. Names keep the given order."""
        lines = ["REGEDIT4", ""]
        for name, home in entries:
            lines.append("[%s\\%s]" % (JRE_KEY, name))
            if isinstance(home, bytes):
                lines.append('"JavaHome"=hex(1):' + ",".join("%02x" % b for b in home))
            elif home is not None:
                lines.append('"JavaHome"="%s"' % home.replace("\\", "\\\\").replace('"', '\\"'))
            lines.append("")
        path = os.path.join(work_dir, "seed.reg")
        with open(path, "wb") as f:
            f.write("\r\n".join(lines).encode("cp1252") + b"\r\n")
        status, out, err = self.wine(["reg", "import", windows_path(path), self.reg_view])
        if status != 0:
            raise HarnessError("reg import failed: %r %r" % (out, err))

    def clear_registry(self):
        self.wine(["reg", "delete", "HKLM\\Software\\JavaSoft", "/f", self.reg_view])

    def registry_is_clear(self):
        status, _, _ = self.wine(["reg", "query", "HKLM\\Software\\JavaSoft", self.reg_view])
        return status != 0


def kill_group(proc):
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        pass


class Record:
    """What the test jvm.dll wrote: one event per line."""

    def __init__(self, path):
        self.path = path
        self.lines = []
        if os.path.exists(path):
            with open(path, "rb") as f:
                self.lines = [line.decode("latin-1") for line in f.read().split(b"\n") if line]

    def events(self, kind):
        """The rest of each line of that kind (empty for a bare line)."""
        out = []
        for line in self.lines:
            head, _, rest = line.partition(" ")
            if head == kind:
                out.append(rest)
        return out

    def has(self, kind):
        return bool(self.events(kind))

    @property
    def options(self):
        return self.events("option")

    @property
    def args(self):
        return [bytes.fromhex(rest.replace(" ", "")) for rest in self.events("arg")]

    @property
    def created(self):
        return self.has("create")

    def __repr__(self):
        return "Record(%r)" % self.lines


class App:
    """A temporary application folder with the launcher under an app's name."""

    def __init__(self, session, root, name="viewer", folder="app", exe_name=None):
        self.session = session
        self.root = root
        self.folder = os.path.join(root, folder)
        os.makedirs(self.folder, exist_ok=True)
        self.exe = os.path.join(self.folder, exe_name or name + ".exe")
        shutil.copyfile(session.launcher_exe, self.exe)
        self.ini = os.path.splitext(self.exe)[0] + ".ini"

    def write_ini(self, content):
        """Writes the INI file exactly: bytes as given, text as cp1252."""
        data = content if isinstance(content, bytes) else content.encode("cp1252")
        with open(self.ini, "wb") as f:
            f.write(data)

    def read_ini(self):
        with open(self.ini, "rb") as f:
            return f.read()

    def path(self, *parts):
        return os.path.join(self.folder, *parts)


def make_jre(session, home, variant="", location="client", marker=True, library=None):
    """Lays out a JRE home: bin\\<location>\\jvm.dll from the test jvm.dll
    variant ("" the full one, "nocreate", "nodefaults", "needsrt"), or the
    given file; bin\\java.dll as the marker when asked. The needsrt variant
    also gets its fakejvmrt.dll in bin\\. Returns the home's Unix path."""
    bin_dir = os.path.join(home, "bin")
    os.makedirs(os.path.join(bin_dir, location), exist_ok=True)
    source = library or os.path.join(session.fakejvm_dir, variant, "jvm.dll")
    shutil.copyfile(source, os.path.join(bin_dir, location, "jvm.dll"))
    if variant == "needsrt":
        shutil.copyfile(os.path.join(session.fakejvm_dir, "needsrt", "fakejvmrt.dll"),
                        os.path.join(bin_dir, "fakejvmrt.dll"))
    if marker:
        with open(os.path.join(bin_dir, "java.dll"), "wb") as f:
            f.write(b"marker: not a library\n")
    return home


def command_tail(args, encoding="cp1252"):
    """Bytes of the arguments after the launcher's path: an item with a blank
    or an empty one in double quotes, the rest as is (the launcher knows no
    escapes). Bytes pass through unchanged."""
    parts = []
    for arg in args:
        data = arg if isinstance(arg, bytes) else arg.encode(encoding)
        if not data or b" " in data:
            data = b'"' + data + b'"'
        parts.append(data)
    return b" ".join(parts)


class Launch:
    """One running launcher, started through "uidriver run"."""

    def __init__(self, session, exe, tail=b"", cwd=None, env=None, timeout=DEFAULT_TIMEOUT,
                 work_dir=None, encoding="cp1252"):
        self.session = session
        self.timeout = timeout
        self.work_dir = work_dir or os.path.dirname(exe)
        win_exe = windows_path(exe)
        command = b'"' + win_exe.encode(encoding) + b'"'
        if tail:
            command += b" " + tail
        self.command_line = command
        self.out_path = os.path.join(self.work_dir, "driver-run.out")
        self.err_path = os.path.join(self.work_dir, "launcher-output.txt")
        self.env = dict(session.env)
        self.env.update(env or {})
        args = ["wine", session.uidriver_exe, "run", "--cmdline-hex", command.hex(),
                "--app", win_exe, "--timeout", str(timeout + 30)]
        if cwd:
            args += ["--cwd", cwd if is_windows_path(cwd) else windows_path(cwd)]
        self._out = open(self.out_path, "wb")
        self._err = open(self.err_path, "wb")
        self.proc = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=self._out,
                                     stderr=self._err, env=self.env, start_new_session=True)
        self.pid = None
        self.exit_code = None
        self._wait_for_pid()

    def _answers(self):
        with open(self.out_path, "rb") as f:
            return [json.loads(line) for line in f.read().decode("utf-8", "replace").splitlines()
                    if line.strip()]

    def _wait_for_pid(self):
        end = time.monotonic() + self.timeout
        while time.monotonic() < end:
            for answer in self._answers():
                if "pid" in answer:
                    self.pid = answer["pid"]
                    return
                if "error" in answer:
                    self.close()
                    raise HarnessError("the launcher did not start: %s" % answer["error"])
            if self.proc.poll() is not None and not self._answers():
                break
            time.sleep(0.05)
        self.close()
        raise HarnessError("the launcher did not start")

    def windows(self):
        """The launcher's visible top-level windows now."""
        _, answer = self.session.driver("list", "--pid", self.pid)
        return answer["windows"]

    def wait_window(self, cls=MESSAGE_BOX_CLASS, title=None, timeout=30.0):
        """Waits for a visible top-level window of the launcher; its description."""
        args = ["wait", "--pid", self.pid, "--class", cls, "--timeout", timeout]
        if title is not None:
            args += ["--title", title]
        status, answer = self.session.driver(*args, timeout=timeout + 30)
        if status != 0:
            raise HarnessError("no %s window of the launcher within %s s (exit code %s)"
                               % (cls, timeout, self.poll()))
        return answer

    def press(self, window, control_id=IDOK):
        status, answer = self.session.driver("press", window["hwnd"], control_id)
        if status != 0:
            raise HarnessError("press failed: %s" % answer)

    def wait_gone(self, window, timeout=30.0):
        status, _ = self.session.driver("gone", window["hwnd"], "--timeout", timeout,
                                        timeout=timeout + 30)
        return status == 0

    def poll(self):
        if self.exit_code is None and self.proc.poll() is not None:
            for answer in self._answers():
                if "exit" in answer:
                    self.exit_code = answer["exit"]
        return self.exit_code

    def wait_exit(self, timeout=None):
        """Waits for the launcher's end; returns its exit code. On a timeout
        the launcher is ended and the windows it still showed are named."""
        timeout = self.timeout if timeout is None else timeout
        try:
            self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            shown = []
            try:
                shown = [(w["class"], w["caption"], [c["text"] for c in w["children"]])
                         for w in self.windows()]
            finally:
                self.close()
            raise HarnessError("the launcher did not end within %s s; its windows: %r"
                               % (timeout, shown))
        code = self.poll()
        self._close_files()
        if code is None:
            raise HarnessError("no exit code from uidriver run: %r" % self._answers())
        return code

    def record(self):
        """The test jvm.dll's record so far."""
        return Record(self.record_path)

    def wait_for_event(self, kind, timeout=30.0):
        """Waits until the record holds an event of that kind."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.record().has(kind):
                return True
            if self.proc.poll() is not None:
                return self.record().has(kind)
            time.sleep(0.05)
        return False

    def release_main(self):
        """Lets a main method held by hold_main return."""
        with open(self.release_file, "wb") as f:
            f.write(b"go\n")

    def output(self):
        """What the launcher (and the VM in it) wrote to its standard streams."""
        with open(self.err_path, "rb") as f:
            return f.read()

    def _close_files(self):
        for f in (self._out, self._err):
            if not f.closed:
                f.close()

    def close(self):
        """Ends the launcher if it still runs; never leaves a process behind."""
        if self.proc.poll() is None:
            if self.pid is not None:
                try:
                    self.session.driver("kill", self.pid, timeout=30)
                except Exception:
                    pass
            try:
                self.proc.wait(timeout=15)
            except subprocess.TimeoutExpired:
                kill_group(self.proc)
        self._close_files()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False


class DirectLaunch:
    """The launcher started as a user's shell would: "wine app.exe args...".
    Only the low 8 bits of the exit code survive as the Unix exit status;
    the launcher returns 0 or -1, so 255 is read back as -1."""

    def __init__(self, session, exe, args=(), cwd=None, env=None, timeout=DEFAULT_TIMEOUT):
        self.session = session
        self.timeout = timeout
        self.exe_name = os.path.basename(exe)
        full_env = dict(session.env)
        full_env.update(env or {})
        self._out = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(["wine", exe] + list(args), stdin=subprocess.DEVNULL,
                                     stdout=self._out, stderr=self._out, env=full_env,
                                     cwd=cwd or os.path.dirname(exe), start_new_session=True)

    def wait_window(self, cls=MESSAGE_BOX_CLASS, timeout=30.0):
        status, answer = self.session.driver("wait", "--exe", self.exe_name, "--class", cls,
                                             "--timeout", timeout, timeout=timeout + 30)
        if status != 0:
            raise HarnessError("no %s window of %s within %s s" % (cls, self.exe_name, timeout))
        return answer

    def press(self, window, control_id=IDOK):
        self.session.driver("press", window["hwnd"], control_id)

    def wait_exit(self):
        try:
            status = self.proc.wait(timeout=self.timeout)
        except subprocess.TimeoutExpired:
            self.close()
            raise HarnessError("the launcher did not end within %s s" % self.timeout)
        self._out.close()
        return -1 if status == 255 else status

    def close(self):
        if self.proc.poll() is None:
            kill_group(self.proc)
        if not self._out.closed:
            self._out.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False


class Result:
    def __init__(self, exit_code, boxes, record, output):
        self.exit_code = exit_code
        self.boxes = boxes
        self.record = record
        self.output = output

    def __repr__(self):
        return "Result(exit=%r, boxes=%r, record=%r)" % (
            self.exit_code, [box_text(b) for b in self.boxes], self.record)


def child(window, control_id):
    for c in window["children"]:
        if c["id"] == control_id:
            return c
    return None


def is_message_box(window):
    """A message box, as opposed to a dialog of the launcher's own."""
    return (window["class"] == MESSAGE_BOX_CLASS and child(window, TEXT_ID) is not None
            and child(window, ICON_ID) is not None)


def box_text(window):
    text = child(window, TEXT_ID)
    return text["text"] if text else None


class LauncherTestCase(unittest.TestCase):
    """A test case with its own application folder, a clean registry view
    and helpers to run the launcher."""

    session = None

    @classmethod
    def setUpClass(cls):
        if LauncherTestCase.session is None:
            LauncherTestCase.session = Session()
            # Whatever an interrupted earlier run left in the registry.
            LauncherTestCase.session.clear_registry()
        cls.session = LauncherTestCase.session

    def setUp(self):
        os.makedirs(self.session.work_root, exist_ok=True)
        self.work = tempfile.mkdtemp(prefix=self.id().rsplit(".", 1)[-1] + "-",
                                     dir=self.session.work_root)
        self._seeded = False
        self._launches = []

    def tearDown(self):
        for launch in self._launches:
            launch.close()
        if self._seeded:
            self.session.clear_registry()
        shutil.rmtree(self.work, ignore_errors=True)

    # -- Layout -----------------------------------------------------------

    def make_app(self, ini=None, name="viewer", folder="app", exe_name=None):
        app = App(self.session, self.work, name=name, folder=folder, exe_name=exe_name)
        if ini is not None:
            app.write_ini(ini)
        return app

    def make_jre(self, *parts, **kwargs):
        """A JRE home under the work folder; returns its Unix path."""
        return make_jre(self.session, os.path.join(self.work, *parts), **kwargs)

    def seed_registry(self, entries):
        self._seeded = True
        self.session.seed_registry(entries, self.work)

    # -- Runs -------------------------------------------------------------

    def launch(self, app, args=(), tail=None, cwd=None, env=None, record=True,
               hold_main=False, timeout=DEFAULT_TIMEOUT, encoding="cp1252"):
        """Starts the launcher; the caller drives it and waits for its end.
        cwd is a Unix path, or a Windows one (C:\\...) to choose the drive.
        With hold_main, the Java main method of the test jvm.dll waits until
        the test calls release_main() on the launch (at most 30 s)."""
        env = dict(env or {})
        release_file = None
        if hold_main:
            release_file = os.path.join(self.work, "release-%d" % len(self._launches))
            env["FAKEJVM_MAIN_WAIT_FILE"] = windows_path(release_file)
        self.record_path = os.path.join(self.work, "record-%d.txt" % len(self._launches))
        if record:
            env.setdefault("FAKEJVM_RECORD", windows_path(self.record_path))
        if tail is None:
            tail = command_tail(args, encoding)
        launch = Launch(self.session, app.exe, tail=tail, cwd=cwd or app.folder, env=env,
                        timeout=timeout, work_dir=self.work, encoding=encoding)
        launch.release_file = release_file
        launch.record_path = self.record_path
        self._launches.append(launch)
        return launch

    def run_app(self, app, args=(), boxes=0, **kwargs):
        """Runs the launcher to its end: reads and confirms with OK each of the
        expected message boxes in turn. A message box more than expected
        fails the run at once with its text."""
        launch = self.launch(app, args=args, **kwargs)
        seen = []
        for _ in range(boxes):
            box = launch.wait_window(MESSAGE_BOX_CLASS)
            # What the VM had been asked by the time the box came up.
            box["record"] = Record(self.record_path).lines
            seen.append(box)
            launch.press(box, IDOK)
            launch.wait_gone(box)
        code = self._finish(launch, cancel_dialog=False)
        return Result(code, seen, Record(self.record_path), launch.output())

    def run_without_jre(self, app, args=(), **kwargs):
        """Runs a launcher that is to find no JRE: it ends with no message box;
        a JRE-not-found dialog, where there is one, is cancelled."""
        launch = self.launch(app, args=args, **kwargs)
        code = self._finish(launch, cancel_dialog=True)
        return Result(code, [], Record(self.record_path), launch.output())

    def _finish(self, launch, cancel_dialog):
        """Waits for the end, looking at the launcher's windows meanwhile:
        a message box fails the test with its text; any other dialog is
        cancelled when asked, else it fails the test too."""
        end = time.monotonic() + launch.timeout
        pause = 0.05
        while launch.proc.poll() is None and time.monotonic() < end:
            time.sleep(pause)
            pause = min(pause * 2, 0.5)
            if launch.proc.poll() is not None:
                break
            for window in launch.windows():
                if window["class"] != MESSAGE_BOX_CLASS:
                    continue
                if cancel_dialog and not is_message_box(window):
                    launch.press(window, IDCANCEL)
                    launch.wait_gone(window)
                    continue
                launch.close()
                self.fail("unexpected window %r: %r" % (window["caption"], box_text(window)))
        return launch.wait_exit(timeout=max(1.0, end - time.monotonic()))

    # -- Checks -----------------------------------------------------------

    def assertErrorBox(self, box, text, owner=None):
        """An error message box as the launcher shows them: the system's
        default caption, the error icon, one OK button, the text exactly,
        and the given owner (none unless a splash window owns it)."""
        self.assertEqual(box["class"], MESSAGE_BOX_CLASS)
        self.assertEqual(box["caption"], "Error")
        icon = child(box, ICON_ID)
        self.assertIsNotNone(icon, "no icon in %r" % box)
        self.assertEqual(icon["class"].lower(), "static")
        self.assertEqual(icon["style"] & SS_TYPEMASK, SS_ICON)
        buttons = [c for c in box["children"] if c["class"].lower() == "button"]
        self.assertEqual([(b["id"], b["text"]) for b in buttons], [(IDOK, "OK")])
        self.assertEqual(box_text(box), text)
        if owner is None:
            self.assertEqual(int(box["owner"], 16), 0, "owned by a %s" % box["ownerClass"])
        else:
            self.assertEqual(int(box["owner"], 16), int(owner, 16))


def ini_text(class_path="app.jar", main_class="com.example.App", vm_params=None,
             jre_path=None, minimum=None, maximum=None, preferred=None, splash=None,
             shadow=None, extra=""):
    """A configuration file's text; None leaves a key out."""
    lines = []
    if splash is not None or shadow is not None:
        lines.append("[Display]")
        if splash is not None:
            lines.append("Splash Screen=" + splash)
        if shadow is not None:
            lines.append("Splash Screen Shadow=" + shadow)
    if class_path is not None:
        lines += ["[Class Path]", "Class Path=" + class_path]
    lines.append("[Java Runtime Environment]")
    for key, value in (("Virtual Machine Parameters", vm_params), ("Main Class", main_class),
                       ("Minimum Version", minimum), ("Maximum Version", maximum),
                       ("Preferred versions", preferred), ("JRE Path", jre_path)):
        if value is not None:
            lines.append("%s=%s" % (key, value))
    return "\r\n".join(lines) + "\r\n" + extra
