#!/usr/bin/env python3
"""Launch time of the Linux launcher against the JDK's own `java` launcher.

Both start the same sample application (sample.Main from sample.jar) on the
same runtime, alternating, many times. For each run the time from just
before the process is spawned to the moment `main` was entered (the sample
prints the epoch nanoseconds first thing when -Dsample.timing=true) is
recorded, and the time until the process has ended. Then the launcher's own
peak memory: a run whose configuration finds no runtime ends before any VM
library is loaded, so its peak resident size is the launcher's alone.

    benchmarks/launch_time.py [--runs 30] [--jdk /usr/lib/jvm/java-17-openjdk-amd64]

Needs the linux-release build (scripts/run-sample.sh or
`cmake --preset linux-release && cmake --build --preset linux-release`).
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "linux-release")


def spawn(command, env):
    """Runs to the end; returns (ms from spawn to main, ms from spawn to exit)."""
    start = time.time_ns()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    out, err = process.communicate()
    end = time.time_ns()
    if process.returncode != 0:
        sys.exit("%s failed (%d): %s" % (command[0], process.returncode, err.decode(errors="replace")))
    entered = None
    for line in out.decode().splitlines():
        if line.startswith("main-entered "):
            entered = int(line.split()[1])
    if entered is None:
        sys.exit("%s: main did not report: %r" % (command[0], out))
    return (entered - start) / 1e6, (end - start) / 1e6


def peak_kb(command, env):
    """Peak resident size of a process (kB) and its exit code.

    Through GNU time: a child forked from this Python process would carry
    Python's own resident size into its peak until it execs."""
    done = subprocess.run(["/usr/bin/time", "-f", "peak-kb %M", "--"] + command, env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    peak = [line for line in done.stderr.decode(errors="replace").splitlines()
            if line.startswith("peak-kb ")]
    if not peak:
        sys.exit("/usr/bin/time gave no figure: %r" % done.stderr)
    code = done.returncode
    return int(peak[-1].split()[1]), code


def summary(values):
    ordered = sorted(values)
    quartiles = statistics.quantiles(ordered, n=4)
    return "median %7.1f  p25 %7.1f  p75 %7.1f  min %7.1f  max %7.1f" % (
        statistics.median(ordered), quartiles[0], quartiles[2], ordered[0], ordered[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--warmup", type=int, default=3)
    parser.add_argument("--jdk", default="/usr/lib/jvm/java-17-openjdk-amd64")
    options = parser.parse_args()

    launcher = os.path.join(BUILD, "launcher")
    jar = os.path.join(BUILD, "sample", "sample.jar")
    for path in (launcher, jar):
        if not os.path.isfile(path):
            sys.exit("missing %s: build the linux-release preset first" % path)

    app = os.path.join(BUILD, "bench-app")
    os.makedirs(app, exist_ok=True)
    app_launcher = os.path.join(app, "sample")
    subprocess.run(["cp", launcher, app_launcher], check=True)
    with open(os.path.join(app, "sample.ini"), "w") as f:
        f.write("[Class Path]\nClass Path=%s\n[Java Runtime Environment]\nMain Class=sample.Main\n"
                "Virtual Machine Parameters=-Dsample.timing=true\nJRE Path=%s\n" % (jar, options.jdk))

    env = {k: v for k, v in os.environ.items()
           if k not in ("JAVA_TOOL_OPTIONS", "JDK_JAVA_OPTIONS", "_JAVA_OPTIONS")}
    commands = {
        "launcher": [app_launcher],
        "java": [os.path.join(options.jdk, "bin", "java"), "-Dsample.timing=true", "-cp", jar,
                 "sample.Main"],
    }
    results = {name: ([], []) for name in commands}
    for run in range(options.warmup + options.runs):
        # Alternate which goes first so that neither always runs warm.
        order = ["launcher", "java"] if run % 2 == 0 else ["java", "launcher"]
        for name in order:
            to_main, to_exit = spawn(commands[name], env)
            if run >= options.warmup:
                results[name][0].append(to_main)
                results[name][1].append(to_exit)

    print("Launch time over %d alternating runs each (%d warm-up runs dropped), in ms" %
          (options.runs, options.warmup))
    print("runtime: %s" % options.jdk)
    for name in commands:
        print("%-9s spawn -> main  %s" % (name, summary(results[name][0])))
        print("%-9s spawn -> exit  %s" % (name, summary(results[name][1])))

    # A configuration that finds no runtime: the launcher reads its INI,
    # searches and reports, and never loads a VM library.
    empty = os.path.join(BUILD, "bench-novm")
    os.makedirs(empty, exist_ok=True)
    novm = os.path.join(empty, "sample")
    subprocess.run(["cp", launcher, novm], check=True)
    with open(os.path.join(empty, "sample.ini"), "w") as f:
        f.write("[Class Path]\nClass Path=%s\n[Java Runtime Environment]\nMain Class=sample.Main\n"
                "Minimum Version=99\n" % jar)
    peaks = []
    for _ in range(5):
        kb, code = peak_kb([novm], dict(env, LAUNCHER_JVM_ROOT=os.path.dirname(options.jdk)))
        if code != 255:
            sys.exit("the run without a runtime ended with %d" % code)
        peaks.append(kb)
    full_launcher = peak_kb(commands["launcher"], env)[0]
    full_java = peak_kb(commands["java"], env)[0]
    print("peak RSS, launcher before any VM library is loaded: %d kB (median of 5)" %
          statistics.median(peaks))
    print("peak RSS, whole run: launcher %d kB, java %d kB" % (full_launcher, full_java))


if __name__ == "__main__":
    main()
