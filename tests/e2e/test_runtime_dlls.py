"""A VM library that imports a runtime library from its JRE's bin folder, as
a real jvm.dll does. The test jvm.dll variant "needsrt" (a double of a Java
VM) imports fakejvmrt.dll, which lies in home\\bin\\ beside bin\\client\\."""

import os

from harness import LauncherTestCase, ini_text, windows_path

ERROR_MOD_NOT_FOUND = 126


class RuntimeLibraries(LauncherTestCase):

    def test_library_with_imports_loads_from_every_source(self):
        for source in ("configured", "beside", "registry"):
            with self.subTest(source):
                home = os.path.join(self.work, source, "jre")
                ini = ini_text(minimum="1.4", maximum="any",
                               jre_path=windows_path(home) if source == "configured" else None)
                app = self.make_app(ini=ini, folder=source + "/app")
                if source == "beside":
                    home = app.path("jre")
                self.make_jre(home, variant="needsrt")
                if source == "registry":
                    self.seed_registry([("1.6", windows_path(home))])
                result = self.run_app(app)
                self.assertEqual(result.exit_code, 0, result)
                self.assertTrue(result.record.created)
                self.assertEqual(result.record.events("misuse"), [])
                if source == "registry":
                    self.session.clear_registry()

    def test_missing_runtime_library(self):
        app = self.make_app(ini=ini_text())
        home = self.make_jre(app.folder, "jre", variant="needsrt")
        os.remove(os.path.join(home, "bin", "fakejvmrt.dll"))
        result = self.run_app(app, boxes=1)
        self.assertErrorBox(result.boxes[0], "Failed to load Java VM library: %s (errno = %d).\n"
                            % (windows_path(os.path.join(home, "bin", "client", "jvm.dll")),
                               ERROR_MOD_NOT_FOUND))
        self.assertEqual(result.exit_code, -1)
        self.assertFalse(result.record.created)
