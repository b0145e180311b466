"""Where the launcher takes its JRE from: the configured "JRE Path", a JRE
beside the launcher (its own folder or jre\\), the registry; in that order.

The JRE that should win holds the test jvm.dll (a double of a Java VM); every
other place holds a decoy jvm.dll that is no library at all, so that taking a
wrong one shows up as a load error naming it instead of a clean run."""

import os

from harness import LauncherTestCase, ini_text, make_jre, windows_path


class JreSources(LauncherTestCase):

    def decoy(self, *parts, location="client", marker=True):
        """A JRE home whose VM library exists but cannot be loaded."""
        home = os.path.join(self.work, *parts)
        path = os.path.join(home, "bin", location)
        os.makedirs(path, exist_ok=True)
        with open(os.path.join(path, "jvm.dll"), "wb") as f:
            f.write(b"decoy: not a library\r\n")
        if marker:
            with open(os.path.join(home, "bin", "java.dll"), "wb") as f:
                f.write(b"marker\r\n")
        return home

    def assertRunsCleanly(self, app, **kwargs):
        result = self.run_app(app, **kwargs)
        self.assertEqual(result.exit_code, 0, result)
        self.assertTrue(result.record.created)
        return result

    def test_configured_folder_comes_first(self):
        for name, suffix in (("without trailing backslash", ""),
                             ("with trailing backslash", "\\")):
            with self.subTest(name):
                folder = name.replace(" ", "_")
                home = self.make_jre(folder, "configured")
                app = self.make_app(ini=ini_text(jre_path=windows_path(home) + suffix),
                                    folder=folder + "/app")
                self.decoy(folder, "app", "jre")
                self.decoy(folder, "registry")
                self.seed_registry([("1.6", windows_path(os.path.join(self.work, folder,
                                                                      "registry")))])
                self.assertRunsCleanly(app)
                self.session.clear_registry()

    def test_configured_folder_without_library_falls_through(self):
        empty = os.path.join(self.work, "empty-jre")
        os.makedirs(os.path.join(empty, "bin"))
        ini = ini_text(jre_path=windows_path(empty))
        app = self.make_app(ini=ini)
        self.make_jre("app", "jre")
        self.assertRunsCleanly(app)
        self.assertEqual(app.read_ini(), ini.encode("cp1252"))

    def test_jre_beside_the_launcher(self):
        # (what lies in the app folder, in jre\, in the registry's home)
        cases = [
            ("own folder is a JRE", "good", "decoy", "decoy"),
            ("jre subfolder", None, "good", "decoy"),
            # The own folder's marker decides even without a VM library in
            # it: jre\ is then not looked at, and the registry is next.
            ("marker in own folder only", "marker", "decoy", "good"),
            ("jre subfolder without marker", None, "nomarker", "good"),
        ]
        for name, own, sub, registry in cases:
            with self.subTest(name):
                base = name.replace(" ", "_")
                app = self.make_app(ini=ini_text(), folder=base)
                for kind, home in ((own, app.folder), (sub, app.path("jre")),
                                   (registry, os.path.join(self.work, base + "-registry"))):
                    if kind == "good":
                        make_jre(self.session, home)
                    elif kind == "decoy":
                        self.decoy(home)
                    elif kind == "nomarker":
                        self.decoy(home, marker=False)
                    elif kind == "marker":
                        os.makedirs(os.path.join(home, "bin"), exist_ok=True)
                        open(os.path.join(home, "bin", "java.dll"), "wb").close()
                self.seed_registry([("1.6", windows_path(
                    os.path.join(self.work, base + "-registry")))])
                self.assertRunsCleanly(app)
                self.session.clear_registry()

    def test_library_locations_in_order(self):
        # The first location that exists wins, whether it loads or not.
        locations = ["client", "server", "classic", "hotspot"]
        for i, location in enumerate(locations):
            with self.subTest(location):
                app = self.make_app(ini=ini_text(), folder="alone-" + location)
                self.make_jre(app.folder, "jre", location=location)
                for later in locations[i + 1:]:
                    self.decoy(app.folder, "jre", location=later)
                self.assertRunsCleanly(app)
        with self.subTest("client exists but does not load"):
            app = self.make_app(ini=ini_text(), folder="client-decoy")
            home = self.decoy(app.folder, "jre", location="client")
            make_jre(self.session, home, location="server")
            result = self.run_app(app, boxes=1)
            self.assertErrorBox(result.boxes[0],
                                "Failed to load Java VM library: %s (errno = 193).\n"
                                % windows_path(os.path.join(home, "bin", "client", "jvm.dll")))
            self.assertEqual(result.exit_code, -1)

    def test_current_directory_is_not_a_jre(self):
        # No JRE beside the launcher and none configured: a VM library in
        # the current directory is not taken (a folder the user happens to be
        # in must not decide which code runs); the registry is searched.
        app = self.make_app(ini=ini_text())
        cwd = os.path.join(self.work, "cwd")
        self.decoy(cwd, marker=False)
        registry = self.make_jre("registry")
        self.seed_registry([("1.6", windows_path(registry))])
        self.assertRunsCleanly(app, cwd=cwd)

    def test_current_directory_alone_finds_nothing(self):
        app = self.make_app(ini=ini_text())
        cwd = self.make_jre("cwd", marker=False)
        result = self.run_without_jre(app, cwd=cwd)
        self.assertEqual(result.exit_code, -1)
        self.assertEqual(result.record.lines, [], "the library in the current directory ran")
