#!/usr/bin/env bash
# Runs a Windows program under the test Wine prefix and display that
# tests/wine/session.sh started for this build tree (see WINE_SESSION_DIR).
set -euo pipefail
session="${WINE_SESSION_DIR:?WINE_SESSION_DIR must name the wine session folder}"
# shellcheck disable=SC1091
source "$session/env"
exec wine "$@"
