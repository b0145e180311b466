"""The splash window of a real run: shown while main runs (the test jvm.dll
holds main until a file exists), its class, styles and place, its pixels on
the screen, the owner of error boxes, and no window when it is switched off
or has no bitmap."""

import os
import time

from harness import (LauncherTestCase, Record, ini_text, windows_path, IDOK, MESSAGE_BOX_CLASS)
from ui_support import SPLASH_CLASS, Screenshot, pixel_of, write_bitmap

WS_POPUP = 0x80000000
WS_VISIBLE = 0x10000000
WS_CLIPSIBLINGS = 0x04000000
WS_EX_TOOLWINDOW = 0x80
CS_DBLCLKS_SAVEBITS = 0x0808
CS_DROPSHADOW = 0x00020000
# Wine's full-screen client area on the 1024 x 768 display.
FULL_SCREEN_WIDTH = 1024
NO_MAIN_CLASS = "Main class was not specified in INI file."


def bits(value):
    return int(value, 16) if isinstance(value, str) else value


def centred(area, size):
    return int((area - size) / 2)  # truncation toward zero


class SplashTestCase(LauncherTestCase):

    def splash_app(self, image=None, shadow=None, folder="app", main_class="com.example.App",
                   width=301, height=121):
        """An application with a splash bitmap and a JRE beside it."""
        extra = ""
        if image is None:
            image = os.path.join(self.work, folder + "-splash.bmp")
            write_bitmap(image, width, height)
        if image:
            extra = "[Display]\r\nSplash Screen=%s\r\n" % windows_path(image)
            if shadow is not None:
                extra += "Splash Screen Shadow=%s\r\n" % shadow
        app = self.make_app(ini=ini_text(main_class=main_class) + extra, folder=folder)
        self.make_jre(app.folder, "jre")
        return app

    def held_launch(self, app, args=()):
        """Starts the launcher with main held until release() is called."""
        self.release_file = os.path.join(self.work, "release-%d" % len(self._launches))
        launch = self.launch(app, args=args,
                             env={"FAKEJVM_MAIN_WAIT_FILE": windows_path(self.release_file)})
        return launch

    def release(self):
        with open(self.release_file, "w") as f:
            f.write("go\n")

    def wait_for_main(self, timeout=60):
        """Polls the record until main has been called."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if Record(self.record_path).has("main"):
                return
            time.sleep(0.1)
        self.fail("main was not called: %r" % Record(self.record_path))

    def splash_windows(self, launch):
        return [w for w in launch.windows() if w["class"] == SPLASH_CLASS]


class SplashWindow(SplashTestCase):

    def test_window_while_main_runs(self):
        cases = [("true", CS_DROPSHADOW), ("True", 0), ("false", 0), (None, 0)]
        for shadow, shadow_bit in cases:
            with self.subTest(shadow=shadow):
                app = self.splash_app(shadow=shadow, folder="shadow-%s" % shadow)
                with self.held_launch(app) as launch:
                    splash = launch.wait_window(SPLASH_CLASS)
                    self.wait_for_main()
                    self.assertEqual(splash["caption"], "")
                    # The system adds WS_CLIPSIBLINGS to every top-level window.
                    self.assertEqual(bits(splash["style"]) & ~WS_CLIPSIBLINGS,
                                     WS_POPUP | WS_VISIBLE)
                    self.assertEqual(bits(splash["exstyle"]) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW)
                    self.assertEqual(bits(splash["classStyle"]), CS_DBLCLKS_SAVEBITS | shadow_bit)
                    self.assertEqual(int(splash["owner"], 16), 0)
                    rect = splash["rect"]
                    self.assertEqual(rect["right"] - rect["left"], 301)
                    self.assertEqual(rect["bottom"] - rect["top"], 121)
                    self.assertEqual(rect["left"], centred(FULL_SCREEN_WIDTH, 301))
                    self.release()
                    self.assertEqual(launch.wait_exit(), 0)
                    self.assertTrue(launch.wait_gone(splash))

    def test_bitmap_pixels_on_the_screen(self):
        app = self.splash_app(width=200, height=100)
        with self.held_launch(app) as launch:
            splash = launch.wait_window(SPLASH_CLASS)
            self.wait_for_main()
            shot = Screenshot(self.session, "splash")
            left, top = splash["rect"]["left"], splash["rect"]["top"]
            for x, y in ((3, 0), (3, 50), (99, 99), (100, 0), (150, 50), (199, 99)):
                self.assertEqual(shot.pixel(left + x, top + y), pixel_of(x, y, 200),
                                 "pixel %d,%d of the bitmap" % (x, y))
            self.release()
            self.assertEqual(launch.wait_exit(), 0)

    def test_error_box_is_owned_by_the_splash(self):
        app = self.splash_app(main_class=None)
        with self.launch(app) as launch:
            splash = launch.wait_window(SPLASH_CLASS)
            box = launch.wait_window(MESSAGE_BOX_CLASS)
            self.assertErrorBox(box, NO_MAIN_CLASS, owner=splash["hwnd"])
            launch.press(box, IDOK)
            self.assertEqual(launch.wait_exit(), -1)
            self.assertTrue(launch.wait_gone(splash))
        self.assertEqual(Record(self.record_path).lines, [])

    def test_switches_turn_the_splash_off(self):
        for switch in ("-nosplash", "/nosplash"):
            with self.subTest(switch):
                app = self.splash_app(folder=switch.strip("-/") + switch[0].replace("/", "s"))
                with self.held_launch(app, args=[switch]) as launch:
                    self.wait_for_main()
                    self.assertEqual(self.splash_windows(launch), [])
                    self.release()
                    self.assertEqual(launch.wait_exit(), 0)
                self.assertEqual(Record(self.record_path).args, [switch.encode()])

    def test_no_window_and_no_message_without_a_bitmap(self):
        text_file = os.path.join(self.work, "not-a-bitmap.bmp")
        with open(text_file, "w") as f:
            f.write("no bitmap here\n")
        cases = [("missing", os.path.join(self.work, "missing.bmp")), ("not a bitmap", text_file)]
        for name, image in cases:
            with self.subTest(name):
                app = self.splash_app(image=image, folder=name.replace(" ", "-"))
                with self.held_launch(app) as launch:
                    self.wait_for_main()
                    self.assertEqual(launch.windows(), [])
                    self.release()
                    self.assertEqual(launch.wait_exit(), 0)
