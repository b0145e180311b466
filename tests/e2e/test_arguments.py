"""What reaches the VM: the program arguments as split from the exact bytes
of the process command line, the VM options from the configuration, and the
main class name. The test jvm.dll (a double of a Java VM) records them; the
arguments as hex of their bytes."""

from harness import LauncherTestCase, ini_text


class Arguments(LauncherTestCase):

    def test_command_line_to_arguments(self):
        Q = b'"'
        # (command line after the launcher's quoted path, arguments for main)
        cases = [
            (b"", []),
            (Q + b"two words" + Q + b" plain", [b"two words", b"plain"]),
            (b"a" + Q + b"b c" + Q, [b'a"b', b'c"']),
            (Q + Q, [b""]),
            (Q + Q + b" x " + Q + Q, [b"", b"x", b""]),
            (b"-nosplash  report.txt", [b"-nosplash", b"report.txt"]),
            (b"/nosplash -NOSPLASH", [b"/nosplash", b"-NOSPLASH"]),
            (Q + b"unterminated text", [b"unterminated text"]),
            (Q + b"a" + Q + b"b", [b"a", b"b"]),
            (b"one\ttwo", [b"one\ttwo"]),
            (Q + b"C:\\Data\\" + Q + b" next", [b"C:\\Data\\", b"next"]),
            (b"trailing   ", [b"trailing"]),
            # cp1252 bytes pass through as they are: e-acute, euro sign.
            (b"caf\xe9 \x80uro \xff", [b"caf\xe9", b"\x80uro", b"\xff"]),
        ]
        app = self.make_app(ini=ini_text())
        self.make_jre(app.folder, "jre")
        for tail, expected in cases:
            with self.subTest(tail=tail):
                result = self.run_app(app, tail=tail)
                self.assertEqual(result.exit_code, 0, result)
                self.assertEqual(result.record.events("main"), ["com/example/App"])
                self.assertEqual(result.record.args, expected)

    def test_launcher_path_with_blanks(self):
        app = self.make_app(ini=ini_text(), folder="Program Files/My Viewer")
        self.make_jre(app.folder, "jre")
        result = self.run_app(app, args=["-nosplash", "report.txt"])
        self.assertEqual(result.exit_code, 0, result)
        self.assertEqual(result.record.args, [b"-nosplash", b"report.txt"])

    def test_configuration_to_vm_options(self):
        cp = "-Djava.class.path=lib\\a.jar;lib\\b.jar"
        # (Virtual Machine Parameters, options after the class path option)
        cases = [
            (None, []),
            ('-Xmx256m "-Dapp.home=C:\\My Apps" -Dx=1',
             ["-Xmx256m", "-Dapp.home=C:\\My Apps", "-Dx=1"]),
            ("-Xms8m  -Xmx64m", ["-Xms8m", "-Xmx64m"]),
            ('-Dname="a b"', ['-Dname="a', 'b"']),
            ('"-Dname=a b" -Dx=1', ["-Dname=a b", "-Dx=1"]),
            # The INI reading itself takes the quotes off a value that is
            # quoted as a whole, and the blanks off its start: the splitting
            # never sees them.
            ('"-Dname=a b"', ["-Dname=a", "b"]),
            ("   -Dlead=1", ["-Dlead=1"]),
        ]
        for params, expected in cases:
            with self.subTest(params=params):
                app = self.make_app(ini=ini_text(class_path="lib\\a.jar;lib\\b.jar",
                                                 vm_params=params),
                                    folder="app%d" % len(self._launches))
                self.make_jre(app.folder, "jre")
                result = self.run_app(app)
                self.assertEqual(result.exit_code, 0, result)
                self.assertEqual(result.record.options, [cp] + expected)
                self.assertEqual(result.record.events("create"),
                                 ["version=0x00010002 ignoreUnrecognized=0 nOptions=%d"
                                  % (1 + len(expected))])

    def test_long_values_are_read_whole(self):
        for length in (254, 255, 256, 300, 511, 512, 2000):
            with self.subTest(length=length):
                class_path = ("lib\\" + "x" * length)[:length]
                app = self.make_app(ini=ini_text(class_path=class_path),
                                    folder="long%d" % length)
                self.make_jre(app.folder, "jre")
                result = self.run_app(app)
                self.assertEqual(result.exit_code, 0, result)
                self.assertEqual(result.record.options, ["-Djava.class.path=" + class_path])

    def test_main_class_name(self):
        for configured, looked_up in (("com.example.App", "com/example/App"),
                                      ("org/demo/Start", "org/demo/Start"),
                                      ("Main", "Main")):
            with self.subTest(configured):
                app = self.make_app(ini=ini_text(main_class=configured),
                                    folder="app-" + looked_up.replace("/", "_"))
                self.make_jre(app.folder, "jre")
                result = self.run_app(app)
                self.assertEqual(result.exit_code, 0, result)
                self.assertIn("findclass " + looked_up, result.record.lines)
                self.assertEqual(result.record.events("main"), [looked_up])
