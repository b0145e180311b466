#!/usr/bin/env bash
# Starts or stops the Wine session of one build tree: a private WINEPREFIX
# (created once and kept between runs) and a private Xvfb display.
#   session.sh start DIR   writes DIR/env for cmake/wine-run.sh and the tests
#   session.sh stop DIR    ends that prefix's wineserver and the display
set -euo pipefail
action="$1"
dir="$(mkdir -p "$2" && cd "$2" && pwd)"
prefix="$dir/prefix"

stop() {
    if [ -f "$dir/env" ]; then
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    fi
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
}

case "$action" in
start)
    stop
    # A free display number: no lock file and no socket.
    display=""
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            display=":$n"; break
        fi
    done
    [ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X${display#:}" ] && break
        sleep 0.1
    done
    cat >"$dir/env" <<ENV
export WINEPREFIX="$prefix"
export DISPLAY="$display"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
ENV
    # shellcheck disable=SC1091
    source "$dir/env"
    mkdir -p "$prefix"
    wineserver -p >/dev/null 2>&1 </dev/null
    if [ ! -f "$dir/prefix.ready" ]; then
        wineboot -i >"$dir/wineboot.log" 2>&1
        touch "$dir/prefix.ready"
    fi
    # There is no window manager on the test display: let Wine draw the
    # captions and frames itself, as Windows would.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
        >/dev/null 2>&1 </dev/null
    # Start the prefix's services now, detached from any test's output:
    # started by a test, they would keep its output pipe open.
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
