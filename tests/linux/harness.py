"""Shared helpers of the real-JVM tests: the build's artefacts and scratch folders."""
import os
import shutil
import subprocess
import tempfile
import unittest

PROBE_CLASSES = os.environ.get("PROBE_CLASSES", "")
JDK_HOME = os.environ.get("JDK_HOME", "/usr/lib/jvm/java-17-openjdk-amd64")
VM_SCENARIO = os.environ.get("VM_SCENARIO", "")
LAUNCHER = os.environ.get("LAUNCHER", "")
LIBJVM = os.path.join(JDK_HOME, "lib", "server", "libjvm.so")

# Generous: a VM starts in well under a second, but the machine is shared.
TIMEOUT = 120


def run(command, env=None, cwd=None):
    """Runs a command to its end; returns (exit code, stdout bytes, stderr bytes)."""
    full_env = dict(os.environ)
    # The tests decide the locale; no charset leaks in from the caller.
    for name in ("LANG", "LC_ALL", "LC_CTYPE", "JAVA_TOOL_OPTIONS", "JDK_JAVA_OPTIONS", "_JAVA_OPTIONS"):
        full_env.pop(name, None)
    full_env.update(env or {})
    done = subprocess.run(command, env=full_env, cwd=cwd, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=TIMEOUT)
    return done.returncode, done.stdout, done.stderr


class ScratchTestCase(unittest.TestCase):
    """A test with a fresh folder of its own, removed afterwards."""

    def setUp(self):
        for name, value in (("PROBE_CLASSES", PROBE_CLASSES), ("JDK_HOME", JDK_HOME)):
            if not value or not os.path.isdir(value):
                self.fail("%s is not set to a folder; run through ctest" % name)
        self.dir = tempfile.mkdtemp(prefix="launcher-jvm-test-")
        self.addCleanup(shutil.rmtree, self.dir, True)

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def read_echo(self, path):
        """What EchoArgs recorded: (charset, java.home, [arguments])."""
        with open(path, "rb") as f:
            lines = f.read().decode("utf-8").split("\n")
        count = int(lines[2])
        return lines[0], lines[1], lines[3:3 + count]
