"""Paths in a double-byte code page. Under the Japanese locale Wine runs the
launcher with code page 932 (Shift-JIS), where the character U+8868 is the
two bytes 0x95 0x5C: its second byte is a backslash. An application whose
folder and file name hold it must still find its INI file and the JRE beside
it. The VM is the test jvm.dll (a double of a Java VM)."""

import locale
import os
import unittest

from harness import LauncherTestCase, ini_text

JAPANESE = {"LANG": "ja_JP.UTF-8", "LC_ALL": "ja_JP.UTF-8"}
CHAR = "\u8868"  # 0x95 0x5C in code page 932


def japanese_locale_available():
    try:
        old = locale.setlocale(locale.LC_ALL)
        locale.setlocale(locale.LC_ALL, "ja_JP.UTF-8")
        locale.setlocale(locale.LC_ALL, old)
        return True
    except locale.Error:
        return False


@unittest.skipUnless(japanese_locale_available(),
                     "the ja_JP.UTF-8 locale is missing: run scripts/setup.sh")
class DoubleByteNames(LauncherTestCase):

    def test_application_named_with_a_trailing_backslash_byte(self):
        self.assertEqual(CHAR.encode("cp932"), b"\x95\x5c")
        # The Unix names are the UTF-8 of the character; Wine shows them to
        # the launcher in code page 932.
        app = self.make_app(ini=ini_text(main_class="com.example.App"), folder="app" + CHAR,
                            exe_name=CHAR + ".exe")
        self.make_jre(app.folder, "jre")
        result = self.run_app(app, args=[CHAR], env=JAPANESE, encoding="cp932")
        self.assertEqual(result.exit_code, 0, result)
        self.assertEqual(result.record.events("main"), ["com/example/App"])
        self.assertEqual(result.record.args, [b"\x95\x5c"])
