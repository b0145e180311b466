"""The JRE-not-found dialog of a real run with no JRE anywhere: its controls
as the template makes them, its message, its place, the ways it is
dismissed, and the shell folder browser behind Browse."""

import os
import shutil
import time

from harness import LauncherTestCase, Record, make_jre, child, ini_text, windows_path, IDOK, IDCANCEL
from ui_support import DIALOG_CLASS, DIALOG_TITLE, SPLASH_CLASS, Screenshot, write_bitmap

WS_CHILD = 0x40000000
WS_VISIBLE = 0x10000000
WS_BORDER = 0x00800000
WS_TABSTOP = 0x00010000
WS_GROUP = 0x00020000
WS_DISABLED = 0x08000000
BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_GROUPBOX = 0x0, 0x1, 0x7
ES_READONLY, ES_AUTOHSCROLL = 0x0800, 0x0080
SS_LEFT, SS_ICON, SS_NOTIFY = 0x0, 0x3, 0x0100

LINK = "https://www.java.com/en/download/manual.jsp"
HINT = "If you have a JRE installed you can browse for it bellow:"
MESSAGE_HEAD = ("The Java Runtime Environment (JRE) was not found. "
                "Please download and install a JRE (")
# id, class, text, style without WS_CHILD | WS_VISIBLE
CONTROLS = [
    (IDOK, "Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON | WS_DISABLED),
    (IDCANCEL, "Button", "Cancel", WS_TABSTOP | BS_PUSHBUTTON),
    (201, "Edit", "", WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL),
    (202, "Button", "Browse...", WS_TABSTOP | BS_PUSHBUTTON),
    (204, "Static", "", SS_ICON),
    (205, "Static", LINK, WS_GROUP | SS_LEFT | SS_NOTIFY),  # SS_NOTIFY from the link
    (206, "Static", HINT, WS_GROUP | SS_LEFT),
]


def bits(value):
    return int(value, 16) if isinstance(value, str) else value


def centre(rect):
    return ((rect["left"] + rect["right"]) // 2, (rect["top"] + rect["bottom"]) // 2)


class DialogTestCase(LauncherTestCase):

    def app_without_jre(self, folder="app", splash=False):
        extra = ""
        if splash:
            image = os.path.join(self.work, "splash.bmp")
            write_bitmap(image, 400, 300)
            extra = "[Display]\r\nSplash Screen=%s\r\n" % windows_path(image)
        self.assertTrue(self.session.registry_is_clear())
        return self.make_app(ini=ini_text(minimum="1.6") + extra, folder=folder)

    def open_dialog(self, app):
        launch = self.launch(app)
        return launch, launch.wait_window(DIALOG_CLASS, title=DIALOG_TITLE)

    def assertOnlyDialog(self, launch):
        """No error box came up beside the dialog."""
        for window in launch.windows():
            self.assertEqual(window["caption"], DIALOG_TITLE, "unexpected %r" % window)


class JreNotFoundDialog(DialogTestCase):

    def test_controls_message_and_place(self):
        app = self.app_without_jre()
        with self.open_dialog(app)[0] as launch:
            dialog = launch.wait_window(DIALOG_CLASS, title=DIALOG_TITLE)
            Screenshot(self.session, "dialog")
            for control_id, cls, text, style in CONTROLS:
                with self.subTest(control=control_id):
                    c = child(dialog, control_id)
                    self.assertIsNotNone(c)
                    self.assertEqual(c["class"].lower(), cls.lower())
                    self.assertEqual(c["text"], text)
                    # An edit control in a 3D dialog trades WS_BORDER for a
                    # client edge; the template's bits are checked in-process.
                    ignored = WS_CHILD | WS_VISIBLE | (WS_BORDER if control_id == 201 else 0)
                    self.assertEqual(bits(c["style"]) & ~ignored, style & ~ignored)
            message = child(dialog, 203)["text"]
            self.assertTrue(message.startswith(MESSAGE_HEAD), message)
            self.assertTrue(message.endswith(") from:"), message)
            self.assertIn("1.6", message)
            self.assertFalse(child(dialog, IDOK)["enabled"])
            self.assertEqual(int(dialog["owner"], 16), 0)
            # No owner: centred on the work area, the whole 1024 x 768 screen
            # under Xvfb.
            rect = dialog["rect"]
            width, height = rect["right"] - rect["left"], rect["bottom"] - rect["top"]
            self.assertEqual(rect["left"], 1024 // 2 - width // 2)
            self.assertEqual(rect["top"], 768 // 2 - height // 2)
            self.assertOnlyDialog(launch)
            launch.press(dialog, IDCANCEL)
            self.assertEqual(launch.wait_exit(), -1)

    def test_owned_by_the_splash_and_centred_on_it(self):
        app = self.app_without_jre(splash=True)
        with self.open_dialog(app)[0] as launch:
            dialog = launch.wait_window(DIALOG_CLASS, title=DIALOG_TITLE)
            splash = launch.wait_window(SPLASH_CLASS)
            Screenshot(self.session, "dialog-over-splash")
            self.assertEqual(int(dialog["owner"], 16), int(splash["hwnd"], 16))
            dx, dy = centre(dialog["rect"])
            sx, sy = centre(splash["rect"])
            self.assertLessEqual(abs(dx - sx), 1)
            self.assertLessEqual(abs(dy - sy), 1)
            launch.press(dialog, IDCANCEL)
            self.assertEqual(launch.wait_exit(), -1)
            self.assertTrue(launch.wait_gone(splash))

    def test_cancel_escape_and_close_end_the_run(self):
        endings = [
            ("Cancel", lambda launch, d: launch.press(d, IDCANCEL)),
            ("Escape", lambda launch, d: self.session.driver("key", d["hwnd"], "ESCAPE")),
            ("close box", lambda launch, d: self.session.driver("close", d["hwnd"])),
        ]
        for name, end in endings:
            with self.subTest(name):
                app = self.app_without_jre(folder=name.replace(" ", "-"))
                before = app.read_ini()
                launch, dialog = self.open_dialog(app)
                with launch:
                    end(launch, dialog)
                    self.assertTrue(launch.wait_gone(dialog))
                    self.assertEqual(launch.wait_exit(), -1)
                self.assertEqual(app.read_ini(), before)

    def test_browse_opens_the_shell_folder_browser(self):
        # Wine captions the browser "Browse for Folder" and shows the
        # requested title as a text inside it.
        app = self.app_without_jre()
        before = app.read_ini()
        launch, dialog = self.open_dialog(app)
        with launch:
            launch.press(dialog, 202)
            browser = launch.wait_window(DIALOG_CLASS, title="Browse for Folder")
            self.assertEqual(int(browser["owner"], 16), int(dialog["hwnd"], 16))
            self.assertIn("Browse for JRE folder", [c["text"] for c in browser["children"]])
            launch.press(browser, IDCANCEL)
            self.assertTrue(launch.wait_gone(browser))
            _, answer = self.session.driver("describe", dialog["hwnd"])
            self.assertEqual(child(answer, 201)["text"], "")
            self.assertFalse(child(answer, IDOK)["enabled"])
            launch.press(dialog, IDCANCEL)
            self.assertEqual(launch.wait_exit(), -1)
        self.assertEqual(app.read_ini(), before)


class BrowseAndOk(DialogTestCase):
    """A folder chosen in the real folder browser: selected there through the
    browser's own set-selection message (selectfolder.exe), then its OK."""

    def on_drive_c(self, *parts):
        """A folder on the prefix's drive C:, removed after the test: the
        browser's tree reaches it through My Computer in a few levels.
        Returns its Unix path and the tree items below the drive."""
        base = os.path.join(self.session.env["WINEPREFIX"], "drive_c", "launcher-e2e",
                            os.path.basename(self.work))
        self.addCleanup(shutil.rmtree, base, True)
        path = os.path.join(base, *parts)
        os.makedirs(path, exist_ok=True)
        names = ["launcher-e2e", os.path.basename(self.work)] + list(parts)
        return path, names

    @staticmethod
    def shown(names):
        return "C:\\" + "\\".join(names)

    def choose(self, launch, dialog, folder, expect_ok):
        """Browses to the folder; returns the dialog's description once the
        path box shows it and OK has the expected state (the dialog probes
        the folder after the browser has closed)."""
        launch.press(dialog, 202)
        browser = launch.wait_window(DIALOG_CLASS, title="Browse for Folder")
        status, out, err = self.session.wine(
            [os.environ["SELECTFOLDER_EXE"], browser["hwnd"], "*My Computer", "*(C:)"] + folder)
        self.assertEqual(status, 0, (out, err))
        launch.press(browser, IDOK)
        self.assertTrue(launch.wait_gone(browser))
        end = time.monotonic() + 30
        while True:
            _, answer = self.session.driver("describe", dialog["hwnd"])
            settled = (child(answer, 201)["text"] == self.shown(folder) and
                       child(answer, IDOK)["enabled"] == expect_ok)
            if settled or time.monotonic() > end:
                return answer
            time.sleep(0.2)

    def test_ok_uses_and_remembers_the_chosen_folder(self):
        ini = (ini_text(minimum="1.6") +
               "; kept as it is\r\n[Other]\r\nKey=Value\r\n")
        app = self.make_app(ini=ini)
        self.assertTrue(self.session.registry_is_clear())
        _, empty_names = self.on_drive_c("empty")
        chosen_unix, chosen_names = self.on_drive_c("chosen")
        empty, chosen = self.shown(empty_names), self.shown(chosen_names)
        make_jre(self.session, chosen_unix)
        launch, dialog = self.open_dialog(app)
        with launch:
            answer = self.choose(launch, dialog, empty_names, expect_ok=False)
            self.assertEqual(child(answer, 201)["text"], empty)
            self.assertFalse(child(answer, IDOK)["enabled"])

            answer = self.choose(launch, dialog, chosen_names, expect_ok=True)
            # The box shows the folder as chosen, without the backslash the
            # stored path gets.
            self.assertEqual(child(answer, 201)["text"], chosen)
            self.assertTrue(child(answer, IDOK)["enabled"])
            launch.press(dialog, IDOK)
            self.assertEqual(launch.wait_exit(), 0)
        self.assertTrue(Record(self.record_path).has("main"), "the chosen VM did not run main")

        stored = ("JRE Path=%s\\" % chosen).encode("cp1252")
        lines = app.read_ini().split(b"\r\n")
        self.assertIn(stored, lines)
        # In its section, and every other line as it was.
        section = lines.index(b"[Java Runtime Environment]")
        following = [i for i, line in enumerate(lines) if line.startswith(b"[") and i > section]
        self.assertTrue(section < lines.index(stored) < (following[0] if following else len(lines)))
        lines.remove(stored)
        self.assertEqual([l for l in lines if l], [l for l in ini.encode().split(b"\r\n") if l])
