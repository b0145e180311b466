"""Choosing among the JREs that the registry lists, in the registry view of
the build (32-bit view for the 32-bit launcher, 64-bit for the 64-bit one).

Every listed home holds a VM library file, so that all of them are
candidates; only the one that should be chosen holds the test jvm.dll (a
double of a Java VM), the others a decoy that cannot be loaded, so a wrong
choice shows up as a load error naming the decoy."""

import os

from harness import LauncherTestCase, ini_text, make_jre, windows_path

VERSIONS = ["1.4", "1.4.2_05", "1.5", "1.5.0_06", "1.6"]


class RegistrySearch(LauncherTestCase):

    def home(self, version):
        return os.path.join(self.work, "jre-" + version)

    def lay_out(self, chosen, versions=VERSIONS):
        for version in versions:
            home = self.home(version)
            if version == chosen:
                make_jre(self.session, home, marker=False)
            else:
                path = os.path.join(home, "bin", "client")
                os.makedirs(path, exist_ok=True)
                with open(os.path.join(path, "jvm.dll"), "wb") as f:
                    f.write(b"decoy\r\n")

    def test_worked_example(self):
        # Homes alternate between the forms with and without a trailing
        # backslash: both are taken.
        self.seed_registry([(v, windows_path(self.home(v)) + ("\\" if i % 2 else ""))
                            for i, v in enumerate(VERSIONS)])
        cases = [
            ("1.4", "any", "", "1.6"),
            ("1.4", "any", "1.5", "1.5.0_06"),
            ("1.4", "any", "1.7;1.4", "1.4.2_05"),
            ("1.4.2", "1.5", "", "1.5.0_06"),
            ("1.5.0_06", "1.5.0_06", "", "1.5.0_06"),
            ("1.6.1", "any", "", None),
        ]
        for minimum, maximum, preferred, chosen in cases:
            with self.subTest(minimum=minimum, maximum=maximum, preferred=preferred):
                self.lay_out(chosen)
                app = self.make_app(ini=ini_text(minimum=minimum, maximum=maximum,
                                                 preferred=preferred),
                                    folder="app-%s-%s-%s" % (minimum, maximum, preferred))
                if chosen is None:
                    result = self.run_without_jre(app)
                    self.assertEqual(result.exit_code, -1)
                    self.assertFalse(result.record.created)
                else:
                    result = self.run_app(app)
                    self.assertEqual(result.exit_code, 0, result)
                    self.assertTrue(result.record.created)

    def test_homes_that_are_no_candidates(self):
        # The newest entry cannot be used; 1.5 is next.
        newest_cases = [
            ("home without a VM library", "1.6", "folder"),
            ("no JavaHome value", "1.6", None),
            # An empty JavaHome would make the probe look at the root of the
            # current drive; such an entry is no JRE.
            ("empty JavaHome", "1.6", ""),
            ("JavaHome of one NUL", "1.6", b"\0"),
        ]
        drive_c = os.path.join(self.session.env["WINEPREFIX"], "drive_c")
        cwd = os.path.join(drive_c, "e2e-cwd")
        root_library = os.path.join(drive_c, "bin", "client", "jvm.dll")
        os.makedirs(cwd, exist_ok=True)
        os.makedirs(os.path.dirname(root_library), exist_ok=True)
        with open(root_library, "wb") as f:
            f.write(b"decoy at the root of drive C:\r\n")
        try:
            for name, version, home in newest_cases:
                with self.subTest(name):
                    self.lay_out("1.5", versions=["1.5"])
                    if home == "folder":
                        os.makedirs(os.path.join(self.home(version), "bin"), exist_ok=True)
                        home = windows_path(self.home(version))
                    self.seed_registry([("1.5", windows_path(self.home("1.5"))),
                                        (version, home)])
                    app = self.make_app(ini=ini_text(minimum="1.4", maximum="any"),
                                        folder="app-" + name.replace(" ", "_"))
                    result = self.run_app(app, cwd="C:\\e2e-cwd")
                    self.assertEqual(result.exit_code, 0, result)
                    self.session.clear_registry()
        finally:
            os.remove(root_library)
            os.removedirs(os.path.dirname(root_library))
            os.rmdir(cwd)

    def test_client_beats_server(self):
        home = self.home("1.6")
        make_jre(self.session, home, location="client", marker=False)
        server = os.path.join(home, "bin", "server")
        os.makedirs(server)
        with open(os.path.join(server, "jvm.dll"), "wb") as f:
            f.write(b"decoy\r\n")
        self.seed_registry([("1.6", windows_path(home))])
        result = self.run_app(self.make_app(ini=ini_text(minimum="1.4", maximum="any")))
        self.assertEqual(result.exit_code, 0, result)

    def test_other_registry_view_is_not_searched(self):
        other = "/reg:32" if self.session.reg_view == "/reg:64" else "/reg:64"
        home = self.make_jre("jre-1.6", marker=False)
        status, _, _ = self.session.wine(
            ["reg", "add", "HKLM\\Software\\JavaSoft\\Java Runtime Environment\\1.6",
             "/v", "JavaHome", "/t", "REG_SZ", "/d", windows_path(home), "/f", other])
        self.assertEqual(status, 0)
        try:
            result = self.run_without_jre(self.make_app(ini=ini_text(minimum="1.4",
                                                                     maximum="any")))
            self.assertEqual(result.exit_code, -1)
            self.assertFalse(result.record.created)
        finally:
            self.session.wine(["reg", "delete", "HKLM\\Software\\JavaSoft", "/f", other])
