"""Loading the VM library, creating the VM and calling main, end to end.

The VM library is the test-only jvm.dll (a double of a Java VM: no Windows
JRE exists here); FAKEJVM_FAIL makes it fail at one step on purpose, and its
record shows what the launcher asked of it."""

import os

from harness import LauncherTestCase, ini_text, windows_path

ERROR_BAD_EXE_FORMAT = 193
ERROR_PROC_NOT_FOUND = 127


class VmFailures(LauncherTestCase):

    def app_with_jre(self, ini=None, variant="", library=None):
        app = self.make_app(ini=ini or ini_text())
        home = self.make_jre(app.folder, "jre", variant=variant, library=library)
        return app, windows_path(os.path.join(home, "bin", "client", "jvm.dll"))

    def assertCleanVm(self, record):
        """No JNI misuse, nothing leaked, and the VM destroyed once."""
        self.assertEqual(record.events("misuse"), [])
        self.assertEqual(record.events("destroy"), [""])
        self.assertEqual(record.events("leaks"), ["0"])
        self.assertEqual(record.events("unreleased"), ["0"])
        self.assertFalse(record.has("defaults"), "JNI_GetDefaultJavaVMInitArgs was called")

    def test_successful_run(self):
        app, _ = self.app_with_jre()
        result = self.run_app(app)
        self.assertEqual(result.exit_code, 0)
        self.assertEqual(result.record.lines[:2],
                         ["create version=0x00010002 ignoreUnrecognized=0 nOptions=1",
                          "option -Djava.class.path=app.jar"])
        self.assertEqual(result.record.events("main"), ["com/example/App"])
        self.assertEqual(result.record.args, [])
        self.assertEqual(result.record.events("detach"), [""])
        self.assertCleanVm(result.record)

    def test_run_lasts_until_main_returns(self):
        app, _ = self.app_with_jre()
        with self.launch(app, hold_main=True) as launch:
            self.assertTrue(launch.wait_for_event("main"))
            self.assertIsNone(launch.poll())
            self.assertFalse(launch.record().has("detach"))
            self.assertEqual(launch.windows(), [])
            launch.release_main()
            self.assertEqual(launch.wait_exit(), 0)
        self.assertCleanVm(launch.record())

    def test_library_that_cannot_be_loaded(self):
        cases = [
            ("text file", b"this is not a library\r\n"),
            ("truncated image", b"MZ" + b"\0" * 62),
            ("empty file", b""),
        ]
        for name, content in cases:
            with self.subTest(name):
                bad = os.path.join(self.work, name.replace(" ", "_") + ".dll")
                with open(bad, "wb") as f:
                    f.write(content)
                app, jvm = self.app_with_jre(library=bad)
                result = self.run_app(app, boxes=1)
                self.assertErrorBox(
                    result.boxes[0], "Failed to load Java VM library: %s (errno = %d).\n"
                    % (jvm, ERROR_BAD_EXE_FORMAT))
                self.assertEqual(result.exit_code, -1)
                os.remove(bad)

    def test_library_without_an_entry_point(self):
        for variant in ("nocreate", "nodefaults"):
            with self.subTest(variant):
                app, _ = self.app_with_jre(variant=variant)
                result = self.run_app(app, boxes=1)
                self.assertErrorBox(
                    result.boxes[0], "Windows exception: cannot find CreateJavaVM JNI "
                    "(errno = %d).\n" % ERROR_PROC_NOT_FOUND)
                self.assertEqual(result.exit_code, -1)
                self.assertFalse(result.record.created)

    def test_creation_fails(self):
        cases = [
            ("VM refuses", {"FAKEJVM_FAIL": "create"}, None),
            ("unknown option", {}, "-Xmx64m -Xbogus"),
        ]
        for name, env, params in cases:
            with self.subTest(name):
                app, _ = self.app_with_jre(ini=ini_text(vm_params=params))
                result = self.run_app(app, boxes=1, env=env)
                self.assertErrorBox(result.boxes[0],
                                    "JNI exception: failed to create the Java VM.\n")
                self.assertEqual(result.exit_code, -1)
                self.assertTrue(result.record.created)
                # Nothing is retried, and a VM never made is not destroyed.
                self.assertEqual(len(result.record.events("create")), 1)
                self.assertFalse(result.record.has("main"))
                self.assertFalse(result.record.has("destroy"))
                self.assertEqual(result.record.events("misuse"), [])

    def test_main_class_invocation(self):
        not_found = "Could not find the main class com/example/App.\n"
        cannot_make_name = "Failed to load Main Class: com/example/App.\n"
        # (FAKEJVM_FAIL, message box text or None, exit code, exception described)
        cases = [
            ("findclass", not_found, -1, True),
            ("nomain", "No main method found in specified class.\n", -1, False),
            ("nomain_exception", None, -1, True),
            ("stringclass", cannot_make_name, -1, False),
            ("stringinit", cannot_make_name, -1, False),
            ("newbytearray", cannot_make_name, -1, False),
            ("newobject", cannot_make_name, -1, False),
            ("utfchars", None, -1, True),
            ("newobjectarray", None, -1, True),
            ("argstring:2", None, -1, True),
            ("throw", None, 0, True),
            ("detach", None, -1, False),
        ]
        for fail, message, code, described in cases:
            with self.subTest(fail):
                app, _ = self.app_with_jre()
                result = self.run_app(app, args=["one", "two"], boxes=1 if message else 0,
                                      env={"FAKEJVM_FAIL": fail})
                if message:
                    self.assertErrorBox(result.boxes[0], message)
                    if described:
                        # The exception is described before the box comes up.
                        self.assertIn("describe", result.boxes[0]["record"])
                self.assertEqual(result.exit_code, code)
                self.assertEqual(result.record.has("describe"), described)
                if described:
                    self.assertIn(b"Exception in thread", result.output)
                self.assertEqual(result.record.has("main"), fail in ("throw", "detach"))
                self.assertCleanVm(result.record)
