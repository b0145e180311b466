#!/usr/bin/env bash
# Installs everything the build and the tests need from Debian's packages.
# Safe to run again: it only installs what is missing.
set -euo pipefail

need=(cmake ninja-build g++ make
      g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
      binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
      wine wine32:i386 wine64
      xvfb xdotool imagemagick
      openjdk-17-jdk-headless googletest
      locales file binutils python3 hyperfine time)

missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Double-byte tests run Wine under a Japanese locale (code page 932).
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
    if [ -f /etc/locale.gen ]; then
        $SUDO sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
        $SUDO locale-gen >/dev/null
    fi
fi
echo "setup: done"
