"""Helpers for the window tests: splash images, screenshots of the Xvfb
display and their pixels."""

import os
import struct
import subprocess

SPLASH_CLASS = "SplashScreenWindow"
DIALOG_CLASS = "#32770"
DIALOG_TITLE = "JRE Not Found"


def pixel_of(x, y, width):
    """The splash test picture: left half red with a blue top row, right
    half green. Shows position and orientation at once."""
    if x < width // 2:
        return (0, 0, 255) if y == 0 else (255, 0, 0)
    return (0, 255, 0)


def write_bitmap(path, width, height):
    """A 24-bit Windows bitmap file of the test picture."""
    row_bytes = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b = pixel_of(x, y, width)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    with open(path, "wb") as f:
        f.write(header + info + image)


def artifacts_dir():
    path = os.path.join(os.path.dirname(os.environ["LAUNCHER_EXE"]), "artifacts")
    os.makedirs(path, exist_ok=True)
    return path


class Screenshot:
    """The whole Xvfb screen, kept as a PNG under the build tree's artifacts
    for a person to look at, and as pixels for the test."""

    def __init__(self, session, name):
        self.png = os.path.join(artifacts_dir(), name + ".png")
        env = session.env
        subprocess.run(["import", "-display", env["DISPLAY"], "-window", "root", self.png],
                       check=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        ppm = subprocess.run(["convert", self.png, "-depth", "8", "ppm:-"], check=True,
                             stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, timeout=60).stdout
        self.width, self.height, self.data = parse_ppm(ppm)

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.data[offset:offset + 3])


def parse_ppm(data):
    """Width, height and RGB bytes of a binary PPM (P6, maxval 255)."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1  # the single blank after maxval
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit P6 image")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height * 3]
