#!/usr/bin/env bash
# Builds the optimised Linux launcher and the sample application, puts them
# in one folder with the configuration file beside the launcher, and starts
# the sample through the launcher. Arguments are passed on to the sample's
# main; without any, a few that show blanks and non-ASCII text are used.
#
#   scripts/run-sample.sh [argument...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target launcher sample_jar >/dev/null

app="$root/build/linux-release/sample-app"
mkdir -p "$app"
cp build/linux-release/launcher "$app/sample"
cp build/linux-release/sample/sample.jar "$app/sample.jar"
# The class path is taken relative to the current directory, not to the
# launcher: name the jar by its full path.
cat > "$app/sample.ini" <<INI
[Class Path]
Class Path=$app/sample.jar

[Java Runtime Environment]
Main Class=sample.Main
Virtual Machine Parameters=-Dfile.encoding=UTF-8
Minimum Version=17
Maximum Version=any
Preferred versions=17
INI

if [ $# -eq 0 ]; then
    set -- hello "two words" "été" ""
fi
echo "run-sample: $app/sample $*"
exec "$app/sample" "$@"
