"""The Linux launcher binary end to end, with the real JVM.

Each test copies the launcher into a folder of its own (the configuration
file is found beside the executable's real path, so a symbolic link would
not do) and writes the INI file beside it. Runtimes are made of symbolic
links to the installed JDK's lib folder; a runtime that must not be chosen
is a decoy whose libjvm.so is an empty file, so that choosing it fails
loudly with the message naming its path.
"""
import os
import shutil
import unittest

from harness import JDK_HOME, LAUNCHER, PROBE_CLASSES, ScratchTestCase, run

DOWNLOAD = "https://www.java.com/en/download/manual.jsp"
NOT_FOUND = "The Java Runtime Environment (JRE) was not found. Please download and install a JRE (%s) from:\n" + DOWNLOAD + "\n"


class LauncherTestCase(ScratchTestCase):

    def setUp(self):
        super().setUp()
        if not LAUNCHER or not os.path.isfile(LAUNCHER):
            self.fail("LAUNCHER is not set; run through ctest")
        self.app_dir = self.path("app")
        os.mkdir(self.app_dir)
        self.app = os.path.join(self.app_dir, "viewer")
        shutil.copy(LAUNCHER, self.app)
        # No installed runtimes unless a test makes some.
        self.jvm_root = self.path("jvm")
        os.mkdir(self.jvm_root)
        self.echo = self.path("echo.txt")

    def write_ini(self, text, name="viewer.ini"):
        with open(os.path.join(self.app_dir, name), "wb") as f:
            f.write(text.encode("utf-8") if isinstance(text, str) else text)

    def configure(self, main="probe.EchoArgs", jre_path=None, minimum="", maximum="",
                  preferred="", parameters=""):
        lines = ["[Class Path]", "Class Path=" + PROBE_CLASSES,
                 "[Java Runtime Environment]", "Main Class=" + main,
                 "Virtual Machine Parameters=-Decho.out=%s %s" % (self.echo, parameters),
                 "Minimum Version=" + minimum, "Maximum Version=" + maximum,
                 "Preferred versions=" + preferred]
        if jre_path is not None:
            lines.append("JRE Path=" + jre_path)
        self.write_ini("\n".join(lines) + "\n")

    def runtime(self, folder, real=True, release=None):
        """A runtime folder: real (lib -> the JDK's lib) or a decoy."""
        os.makedirs(folder, exist_ok=True)
        if real:
            os.symlink(os.path.join(JDK_HOME, "lib"), os.path.join(folder, "lib"))
        else:
            os.makedirs(os.path.join(folder, "lib", "server"))
            open(os.path.join(folder, "lib", "server", "libjvm.so"), "wb").close()
            open(os.path.join(folder, "lib", "libjava.so"), "wb").close()
        if release is not None:
            with open(os.path.join(folder, "release"), "w") as f:
                f.write('IMPLEMENTOR="Test"\nJAVA_VERSION="%s"\n' % release)
        return folder

    def launch(self, *arguments, env=None):
        # What main records comes from this run only.
        if os.path.exists(self.echo):
            os.remove(self.echo)
        full_env = {"LAUNCHER_JVM_ROOT": self.jvm_root}
        full_env.update(env or {})
        return run([self.app] + list(arguments), env=full_env, cwd=self.dir)

    def assert_launched(self, result, arguments=None):
        code, _, err = result
        self.assertEqual(code, 0, err)
        _, _, got = self.read_echo(self.echo)
        if arguments is not None:
            self.assertEqual(got, arguments)


class ConfigurationTest(LauncherTestCase):

    def test_configuration_errors(self):
        cases = [
            ("no configuration file", None, "Java Class Path was not specified in INI file.\n"),
            ("no class path", "[Java Runtime Environment]\nMain Class=probe.EchoArgs\n",
             "Java Class Path was not specified in INI file.\n"),
            ("no main class", "[Class Path]\nClass Path=x.jar\n",
             "Main class was not specified in INI file.\n"),
            ("empty main class", "[Class Path]\nClass Path=x.jar\n[Java Runtime Environment]\nMain Class=\n",
             "Main class was not specified in INI file.\n"),
        ]
        for what, text, message in cases:
            with self.subTest(what):
                ini = os.path.join(self.app_dir, "viewer.ini")
                if os.path.exists(ini):
                    os.remove(ini)
                if text is not None:
                    self.write_ini(text)
                code, out, err = self.launch()
                self.assertEqual((code, out, err.decode()), (255, b"", message))

    def test_configuration_file_name_follows_the_executable(self):
        cases = [("viewer", "viewer.ini"), ("viewer.bin", "viewer.ini"), ("view.er.run", "view.er.ini")]
        for exe, ini in cases:
            with self.subTest(exe):
                shutil.rmtree(self.app_dir)
                os.mkdir(self.app_dir)
                self.app = os.path.join(self.app_dir, exe)
                shutil.copy(LAUNCHER, self.app)
                self.runtime(os.path.join(self.app_dir, "jre"))
                self.configure()
                if ini != "viewer.ini":
                    os.rename(os.path.join(self.app_dir, "viewer.ini"), os.path.join(self.app_dir, ini))
                self.assert_launched(self.launch("x"), ["x"])

    def test_names_ignore_case_and_values_are_trimmed(self):
        self.runtime(os.path.join(self.app_dir, "jre"))
        self.write_ini("; settings\r\n[CLASS PATH]\r\n  class path =  \"%s\"  \r\n"
                       "[java runtime environment]\r\nmain class = probe.EchoArgs\r\n"
                       "Virtual Machine Parameters=-Decho.out=%s\r\n" % (PROBE_CLASSES, self.echo))
        self.assert_launched(self.launch(), [])


class RuntimeSourcesTest(LauncherTestCase):
    """The configured folder, then the one beside the launcher, then the installed ones."""

    def test_sources_in_order(self):
        for what, setup in [
            ("configured folder before the one beside the launcher",
             lambda: (self.runtime(self.path("configured")),
                      self.runtime(os.path.join(self.app_dir, "jre"), real=False),
                      self.path("configured"))),
            ("configured folder without a trailing slash, whatever its version",
             lambda: (self.runtime(self.path("configured"), release="1.1"),
                      self.runtime(os.path.join(self.jvm_root, "jdk"), real=False, release="17"),
                      self.path("configured"))),
            ("configured folder without a VM library falls through to beside the launcher",
             lambda: (os.makedirs(self.path("empty")),
                      self.runtime(os.path.join(self.app_dir, "jre")),
                      self.path("empty") + "/")),
            ("launcher in the runtime's top folder before its jre/ folder",
             lambda: (self.runtime(self.app_dir),
                      self.runtime(os.path.join(self.app_dir, "jre"), real=False),
                      None)),
            ("jre/ beside the launcher before the installed runtimes",
             lambda: (self.runtime(os.path.join(self.app_dir, "jre")),
                      self.runtime(os.path.join(self.jvm_root, "jdk"), real=False, release="17"),
                      None)),
            ("installed runtimes last",
             lambda: (self.runtime(os.path.join(self.jvm_root, "jdk"), release="17.0.15"),
                      None, None)),
        ]:
            with self.subTest(what):
                self.tearDown_runtimes()
                jre_path = setup()[2]
                self.configure(jre_path=jre_path)
                self.assert_launched(self.launch("a"), ["a"])

    def tearDown_runtimes(self):
        for folder in (self.app_dir, self.jvm_root):
            for name in os.listdir(folder):
                if name != "viewer":
                    target = os.path.join(folder, name)
                    if os.path.islink(target) or not os.path.isdir(target):
                        os.remove(target)
                    else:
                        shutil.rmtree(target)
        for name in ("configured", "empty"):
            shutil.rmtree(self.path(name), ignore_errors=True)

    def test_vm_library_locations_in_order(self):
        real = os.path.join(JDK_HOME, "lib", "server", "libjvm.so")
        cases = [
            ("lib/server before lib/client", ["lib/server/libjvm.so"], ["lib/client/libjvm.so"]),
            ("lib/client before the Java 8 layout", ["lib/client/libjvm.so"],
             ["jre/lib/amd64/server/libjvm.so"]),
            ("the Java 8 layout of a JDK", ["jre/lib/amd64/server/libjvm.so"], []),
        ]
        for what, working, decoys in cases:
            with self.subTest(what):
                home = self.path("home-%d" % len(os.listdir(self.dir)))
                for relative in working + decoys:
                    os.makedirs(os.path.dirname(os.path.join(home, relative)), exist_ok=True)
                for relative in working:
                    os.symlink(real, os.path.join(home, relative))
                for relative in decoys:
                    open(os.path.join(home, relative), "wb").close()
                self.configure(jre_path=home)
                self.assert_launched(self.launch(), [])

    def test_no_runtime_anywhere(self):
        cases = [("", "", "latest version"), ("1.8", "", "minimum version 1.8"),
                 ("1.6", "1.6", "version between 1.6 and 1.6")]
        for minimum, maximum, requirement in cases:
            with self.subTest(requirement):
                self.configure(minimum=minimum, maximum=maximum)
                code, out, err = self.launch()
                self.assertEqual((code, out, err.decode()), (255, b"", NOT_FOUND % requirement))

    def test_configured_decoy_names_the_library_and_the_loader_error(self):
        decoy = self.runtime(self.path("decoy"), real=False)
        self.configure(jre_path=decoy)
        code, _, err = self.launch()
        self.assertEqual(code, 255)
        library = os.path.join(decoy, "lib", "server", "libjvm.so")
        text = err.decode()
        self.assertTrue(text.startswith("Failed to load Java VM library: %s (errno = %s" % (library, library)), text)
        self.assertTrue(text.endswith(").\n"), text)


class InstalledRuntimeSelectionTest(LauncherTestCase):
    """Range and preference among the runtimes under the runtimes root."""

    VERSIONS = ["1.4", "1.4.2_05", "1.5", "1.5.0_06", "1.6"]

    def test_range_and_preference(self):
        cases = [
            ("1.4", "any", "", "1.6"),
            ("1.4", "any", "1.5", "1.5.0_06"),
            ("1.4", "any", "1.7;1.4", "1.4.2_05"),
            ("1.4.2", "1.5", "", "1.5.0_06"),
            ("1.5.0_06", "1.5.0_06", "", "1.5.0_06"),
            ("", "", "", "1.6"),
            ("1.6.1", "any", "", None),
        ]
        for minimum, maximum, preferred, expected in cases:
            with self.subTest(minimum=minimum, maximum=maximum, preferred=preferred):
                shutil.rmtree(self.jvm_root)
                os.mkdir(self.jvm_root)
                for i, version in enumerate(self.VERSIONS):
                    self.runtime(os.path.join(self.jvm_root, "jdk%d" % i),
                                 real=version == expected, release=version)
                self.configure(minimum=minimum, maximum=maximum, preferred=preferred)
                code, _, err = self.launch()
                if expected is None:
                    self.assertEqual(code, 255)
                    self.assertIn(DOWNLOAD, err.decode())
                else:
                    self.assertEqual(code, 0, err)

    def test_runtime_linked_in_from_elsewhere(self):
        # Debian's own aliases and a JDK unpacked elsewhere are both links.
        self.runtime(self.path("opt-jdk"), release="17.0.1")
        os.symlink(self.path("opt-jdk"), os.path.join(self.jvm_root, "linked"))
        os.symlink("linked", os.path.join(self.jvm_root, "alias"))
        self.configure(minimum="17")
        self.assert_launched(self.launch(), [])


class ArgumentsTest(LauncherTestCase):

    def setUp(self):
        super().setUp()
        self.runtime(os.path.join(self.app_dir, "jre"))

    def test_arguments_reach_main_as_given(self):
        arguments = ["", "two words", '"quoted"', "it's", "-nosplash", "/nosplash", "a\\b",
                     "\u00e9t\u00e9", "\u65e5\u672c"]
        self.configure(parameters="-Dfile.encoding=UTF-8")
        self.assert_launched(self.launch(*arguments), arguments)

    def test_quoted_vm_parameter_is_one_option(self):
        # Split at the blank, "b\"" would be an option the VM refuses.
        self.configure(parameters='-Dfile.encoding=UTF-8 "-Dx=a b"')
        self.assert_launched(self.launch(), [])


class JavaFailuresTest(LauncherTestCase):

    def setUp(self):
        super().setUp()
        self.runtime(os.path.join(self.app_dir, "jre"))

    def test_outcomes(self):
        cases = [
            ("missing class", "org.demo.Missing", "", 255,
             ["java.lang.NoClassDefFoundError: org/demo/Missing",
              "Could not find the main class org/demo/Missing.\n"]),
            ("main throws", "probe.Throws", "", 0,
             ["java.lang.IllegalStateException: thrown by main"]),
            ("no static main", "probe.NoMain", "", 255, ["java.lang.NoSuchMethodError"]),
            ("unknown VM option", "probe.EchoArgs", "-Xbogus", 255,
             ["JNI exception: failed to create the Java VM.\n"]),
        ]
        for what, main, parameters, exit_code, expected in cases:
            with self.subTest(what):
                self.configure(main=main, parameters=parameters)
                code, _, err = self.launch()
                text = err.decode()
                self.assertEqual(code, exit_code, text)
                # In this order on standard error.
                position = 0
                for piece in expected:
                    found = text.find(piece, position)
                    self.assertGreaterEqual(found, 0, "%r not after %d in %r" % (piece, position, text))
                    position = found + len(piece)


if __name__ == "__main__":
    unittest.main()
