"""The VM host against the installed OpenJDK's libjvm.so, one process per scenario."""
import os
import unittest

from harness import LIBJVM, PROBE_CLASSES, VM_SCENARIO, ScratchTestCase, run


class VmHostTest(ScratchTestCase):

    def scenario(self, main_class, options=(), arguments=(), env=None):
        command = [VM_SCENARIO, LIBJVM, main_class, "-Djava.class.path=" + PROBE_CLASSES]
        command += list(options) + ["--"] + list(arguments)
        return run(command, env=env)

    def test_main_receives_the_arguments(self):
        # Each argument's bytes are decoded by the VM's default charset.
        cases = [
            ("no arguments", [], "UTF-8", []),
            ("an empty string", [b""], "UTF-8", [""]),
            ("blanks and quotes stay", [b"a b", b'"q"', b"'s'"], "UTF-8", ["a b", '"q"', "'s'"]),
            ("UTF-8 bytes as UTF-8", ["\u00e9t\u00e9 \u65e5\u672c".encode("utf-8")], "UTF-8",
             ["\u00e9t\u00e9 \u65e5\u672c"]),
            ("UTF-8 bytes as Latin-1", ["\u00e9".encode("utf-8")], "ISO-8859-1",
             ["\u00e9".encode("utf-8").decode("latin-1")]),
            ("Latin-1 bytes as Latin-1", [b"caf\xe9"], "ISO-8859-1", ["caf\u00e9"]),
        ]
        for what, arguments, charset, expected in cases:
            with self.subTest(what):
                out = self.path("echo-%d.txt" % len(os.listdir(self.dir)))
                code, _, err = self.scenario(
                    "probe/EchoArgs",
                    ["-Dfile.encoding=" + charset, "-Decho.out=" + out], arguments)
                self.assertEqual(code, 0, err)
                got_charset, _, got = self.read_echo(out)
                self.assertEqual(got_charset, charset)
                self.assertEqual(got, expected)

    def test_missing_class_is_described_then_named(self):
        code, _, err = self.scenario("probe/Missing")
        self.assertEqual(code, 255)
        text = err.decode("utf-8", "replace")
        described = text.find("java.lang.NoClassDefFoundError: probe/Missing")
        self.assertGreaterEqual(described, 0, text)
        self.assertTrue(text.endswith("Could not find the main class probe/Missing.\n"), text)

    def test_class_without_static_main_fails_with_the_vm_description(self):
        code, _, err = self.scenario("probe/NoMain")
        self.assertEqual(code, 255)
        text = err.decode("utf-8", "replace")
        self.assertIn("java.lang.NoSuchMethodError", text)
        self.assertNotIn("No main method found in specified class.", text)

    def test_main_that_throws_still_succeeds(self):
        code, _, err = self.scenario("probe/Throws")
        self.assertEqual(code, 0, err)
        self.assertIn(b"java.lang.IllegalStateException: thrown by main", err)

    def test_unknown_vm_option_fails_the_creation(self):
        code, out, err = self.scenario("probe/EchoArgs", ["-Xnonsense"])
        self.assertEqual(code, 255)
        self.assertTrue(err.endswith(b"JNI exception: failed to create the Java VM.\n"), err)
        self.assertEqual(out, b"")  # main never ran

    def test_library_that_is_not_a_vm(self):
        cases = [
            ("no such file", self.path("missing", "libjvm.so"),
             "Failed to load Java VM library: %s (errno = " % self.path("missing", "libjvm.so")),
            # libc loads but exports no invocation interface.
            ("no JNI entries", "libc.so.6",
             "Windows exception: cannot find CreateJavaVM JNI (errno = "),
        ]
        for what, library, message in cases:
            with self.subTest(what):
                code, _, err = run([VM_SCENARIO, library, "probe/EchoArgs", "--"])
                self.assertEqual(code, 255)
                self.assertTrue(err.decode().startswith(message), err)
                # dlerror's text stands where a number would.
                self.assertTrue(err.endswith(b").\n"), err)

    def test_destroy_waits_for_non_daemon_threads(self):
        out = self.path("linger.txt")
        code, stdout, err = self.scenario("probe/Linger", ["-Dlinger.out=" + out])
        self.assertEqual(code, 0, err)
        self.assertEqual(stdout, b"main returned\n")
        # Written by the thread 1.5 s after main returned: the process
        # ended only after it.
        with open(out) as f:
            self.assertEqual(f.read(), "thread ended")


if __name__ == "__main__":
    unittest.main()
