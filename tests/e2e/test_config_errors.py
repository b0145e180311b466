"""A configuration that lacks a required key ends the run with one error box
and exit code -1, before any VM library is touched. The JRE beside the
launcher holds the test jvm.dll (a double of a Java VM), so that a run that
got past the configuration would show up in its record."""

import os

from harness import (DirectLaunch, LauncherTestCase, Record, box_text, child, ICON_ID, IDOK,
                     TEXT_ID, ini_text, windows_path)

NO_CLASS_PATH = "Java Class Path was not specified in INI file."
NO_MAIN_CLASS = "Main class was not specified in INI file."


class ConfigurationErrors(LauncherTestCase):

    def test_driver_reads_and_confirms_a_real_message_box(self):
        app = self.make_app(ini=None)
        self.make_jre("app", "jre")
        with self.launch(app) as launch:
            box = launch.wait_window("#32770")
            self.assertEqual(box["caption"], "Error")
            self.assertEqual(box["pid"], launch.pid)
            icon = child(box, ICON_ID)
            self.assertEqual((icon["class"], icon["style"] & 0x1F), ("Static", 0x3))
            ok = child(box, IDOK)
            self.assertEqual((ok["class"], ok["text"], ok["enabled"]), ("Button", "OK", True))
            self.assertEqual(child(box, TEXT_ID)["text"], NO_CLASS_PATH)
            launch.press(box, IDOK)
            self.assertTrue(launch.wait_gone(box))
            self.assertEqual(launch.wait_exit(), -1)
        self.assertEqual(Record(self.record_path).lines, [])

    def test_every_way_of_closing_the_box_ends_the_run(self):
        app = self.make_app(ini=ini_text(class_path=None))
        ways = [
            ("press", ["press", "{hwnd}", IDOK]),
            ("click", ["click", "{hwnd}", IDOK]),
            ("escape key", ["key", "{hwnd}", "ESCAPE"]),
            ("return key", ["key", "{hwnd}", "RETURN"]),
            ("close", ["close", "{hwnd}"]),
        ]
        for name, command in ways:
            with self.subTest(name):
                with self.launch(app) as launch:
                    box = launch.wait_window()
                    _, focus = self.session.driver("focus", box["hwnd"])
                    self.assertEqual(focus["id"], IDOK)
                    _, text = self.session.driver("text", box["hwnd"], TEXT_ID)
                    self.assertEqual(text["text"], NO_CLASS_PATH)
                    status, answer = self.session.driver(
                        *[str(part).format(hwnd=box["hwnd"]) for part in command])
                    self.assertEqual((status, answer), (0, {"ok": True}))
                    self.assertTrue(launch.wait_gone(box))
                    self.assertEqual(launch.wait_exit(), -1)

    def test_missing_required_keys(self):
        cases = [
            ("no INI file", None, NO_CLASS_PATH),
            ("empty INI file", b"", NO_CLASS_PATH),
            ("no Class Path key", ini_text(class_path=None), NO_CLASS_PATH),
            ("empty Class Path", ini_text(class_path=""), NO_CLASS_PATH),
            ("Class Path in the wrong section",
             "[Java Runtime Environment]\r\nClass Path=app.jar\r\nMain Class=a.B\r\n",
             NO_CLASS_PATH),
            ("both missing", ini_text(class_path=None, main_class=None), NO_CLASS_PATH),
            ("no Main Class key", ini_text(main_class=None), NO_MAIN_CLASS),
            ("empty Main Class", ini_text(main_class=""), NO_MAIN_CLASS),
            ("Main Class in the wrong section",
             "[Class Path]\r\nClass Path=app.jar\r\nMain Class=a.B\r\n", NO_MAIN_CLASS),
        ]
        for name, ini, message in cases:
            with self.subTest(name):
                app = self.make_app(ini=ini, folder=name.replace(" ", "_"))
                self.make_jre(app.folder, "jre")
                result = self.run_app(app, boxes=1)
                self.assertErrorBox(result.boxes[0], message, owner=None)
                self.assertEqual(result.exit_code, -1)
                self.assertEqual(result.record.lines, [], "the VM library was used")

    def test_splash_switch_changes_nothing_without_a_splash(self):
        for switch in ("-nosplash", "/nosplash"):
            with self.subTest(switch):
                app = self.make_app(ini=ini_text(main_class=None), folder=switch.strip("-/"))
                result = self.run_app(app, args=[switch], boxes=1)
                self.assertErrorBox(result.boxes[0], NO_MAIN_CLASS, owner=None)
                self.assertEqual(result.exit_code, -1)

    def test_exit_code_as_wine_reports_it(self):
        # Started directly, wine's exit status keeps the low 8 bits of -1.
        app = self.make_app(ini=ini_text(class_path=None))
        with DirectLaunch(self.session, app.exe) as launch:
            box = launch.wait_window()
            self.assertEqual(box_text(box), NO_CLASS_PATH)
            launch.press(box)
            status = launch.proc.wait(timeout=60)
            self.assertEqual(status, 255)

    def test_configuration_file_named_after_the_last_dot(self):
        # The last dot of the whole path counts, also one in a folder name.
        app = self.make_app(folder="Tools.old", exe_name="launcher")
        self.make_jre(app.folder, "jre")
        with open(os.path.join(self.work, "Tools.ini"), "wb") as f:
            f.write(ini_text(main_class="Tools").encode("cp1252"))
        result = self.run_app(app)
        self.assertEqual(result.exit_code, 0, result)
        self.assertEqual(result.record.events("main"), ["Tools"])

    def test_no_configuration_file_without_a_dot(self):
        app = self.make_app(folder="nodot", exe_name="launcher")
        if "." in windows_path(app.exe):
            self.skipTest("the work folder's path holds a dot: %s" % app.exe)
        self.make_jre(app.folder, "jre")
        result = self.run_app(app)
        self.assertEqual(result.exit_code, -1)
        self.assertEqual(result.record.lines, [])
