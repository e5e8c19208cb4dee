#!/usr/bin/env python3
"""Plants a fixed list of faults one at a time and reports how many the suite catches.

Each list in scripts/mutations/*.txt holds one fault a line, fields split by TABs
(\\t and \\n in the texts stand for a TAB and a line end):
    path<TAB>original text<TAB>replacement text[<TAB>ctest -R pattern]
The original must occur in the file; its first occurrence is replaced. A fault is
caught when the build fails or a test fails. Without a pattern the whole suite runs;
with one, only the programs its tests run are rebuilt.
Faults are planted in a copy of the committed tree (DIR/tree), never in the
working tree, so runs can go on beside other work: commit what you measure.

    scripts/mutate.py [--build DIR] [--cases] [LIST ...]      (default: every list)

The copy is refreshed file by file, so a second run in the same DIR rebuilds only what
changed since. With --cases each caught fault is listed with the test cases that
failed on it: a case that is the only catcher of no fault is a candidate to go.
"""
import argparse
import filecmp
import functools
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_faults(paths):
    faults = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line.strip() or line.startswith("#"):
                    continue
                fields = line.split("\t")
                if len(fields) not in (3, 4):
                    sys.exit(f"{path}:{number}: want 3 or 4 TAB-separated fields")
                faults.append((f"{os.path.basename(path)}:{number}", *fields, *([None] * (4 - len(fields)))))
    return faults


def run(cmd, timeout):
    try:
        return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1  # a hang counts as caught


def sync_tree(tree):
    """Makes tree the committed tree, touching only files that differ."""
    archive = subprocess.run(["git", "archive", "HEAD"], cwd=ROOT, check=True, capture_output=True)
    with tempfile.TemporaryDirectory() as fresh:
        subprocess.run(["tar", "-x", "-C", fresh], input=archive.stdout, check=True)
        os.makedirs(tree, exist_ok=True)
        wanted = set()
        for folder, _, files in os.walk(fresh):
            for name in files:
                source = os.path.join(folder, name)
                relative = os.path.relpath(source, fresh)
                wanted.add(relative)
                target = os.path.join(tree, relative)
                if not os.path.isfile(target) or not filecmp.cmp(source, target, shallow=False):
                    os.makedirs(os.path.dirname(target), exist_ok=True)
                    shutil.copy2(source, target)
                    os.utime(target)
        for folder, _, files in os.walk(tree):
            for name in files:
                path = os.path.join(folder, name)
                if os.path.relpath(path, tree) not in wanted:
                    os.remove(path)


# Failed cases as QtTest ("FAIL!  : tst_X::name(row)") and GoogleTest ("[  FAILED  ] A.b") print them.
FAILED_CASE = re.compile(r"^(?:FAIL!  : (\S+?)\(|\[  FAILED  \] (\S+?)(?:,| \(|$))", re.M)
# A program that crashed or checks on its own prints no case: ctest's summary names it.
FAILED_TEST = re.compile(r"^\s*\d+ - (\S+) \(", re.M)


def failed_cases(cmd):
    try:
        result = subprocess.run(cmd, cwd=ROOT, capture_output=True, text=True, errors="replace", timeout=1800)
    except subprocess.TimeoutExpired:
        return -1, ["(timeout)"]
    names = {a or b for a, b in FAILED_CASE.findall(result.stdout)}
    for test in FAILED_TEST.findall(result.stdout):
        # QtTest programs name their cases after the class, not the program.
        qt_cases = test.startswith("tst_") and any("::" in name for name in names)
        if test not in names and not qt_cases:
            names.add(test)
    names = sorted(names)
    return result.returncode, names or (["(crash or whole test)"] if result.returncode else [])


@functools.lru_cache(maxsize=None)  # many faults share a pattern
def targets_for(out, pattern):
    """The programs the tests of pattern run, so a fault rebuilds only them; None: all."""
    if not pattern:
        return None
    listing = subprocess.run(["ctest", "--test-dir", out, "-R", pattern, "--show-only=json-v1"],
                             capture_output=True, text=True, check=True)
    targets = set()
    for test in json.loads(listing.stdout).get("tests", []):
        program = (test.get("command") or [""])[0]
        if not program.startswith(out + os.sep):
            return None  # a script: it may use any program
        targets.add(os.path.basename(program))
    return tuple(sorted(targets)) or None


def main():
    # The sound tests need an audio output, or they skip and catch nothing.
    if "PULSE_SERVER" not in os.environ and "TALLYFOLD_NULL_SINK" not in os.environ:
        os.environ["TALLYFOLD_NULL_SINK"] = "1"
        os.execv(os.path.join(ROOT, "scripts/null-sink.sh"),
                 ["null-sink.sh", sys.executable, os.path.abspath(__file__), *sys.argv[1:]])
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build/mutate")
    parser.add_argument("--cases", action="store_true")
    parser.add_argument("lists", nargs="*")
    args = parser.parse_args()
    lists = args.lists or sorted(glob.glob(os.path.join(ROOT, "scripts/mutations/*.txt")))
    faults = read_faults(lists)
    build = os.path.abspath(os.path.join(ROOT, args.build))
    tree = os.path.join(build, "tree")
    # The committed tree: work in progress elsewhere cannot break the copy.
    sync_tree(tree)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    os.environ.update(env)
    jobs = str(os.cpu_count() or 2)
    subprocess.run(["cmake", "-S", tree, "-B", os.path.join(build, "out"), "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DTALLYFOLD_BENCHMARKS=OFF"], cwd=tree, check=True, stdout=subprocess.DEVNULL)
    out = os.path.join(build, "out")
    if run(["cmake", "--build", out, "-j", jobs], 3600) != 0:
        sys.exit("the unmutated tree does not build")
    caught, missed, stale = 0, [], []
    for where, path, original, replacement, pattern in faults:
        full = os.path.join(tree, path)
        try:
            with open(full, encoding="utf-8") as f:
                text = f.read()
        except OSError:
            stale.append(where)
            continue
        original = original.replace("\\t", "\t").replace("\\n", "\n")
        replacement = replacement.replace("\\t", "\t").replace("\\n", "\n")
        if original not in text:
            stale.append(where)
            continue
        cases = []
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(text.replace(original, replacement, 1))
            targets = targets_for(out, pattern)
            failed = run(["cmake", "--build", out, "-j", jobs] + (["--target", *targets] if targets else []),
                         1800) != 0
            if failed:
                cases = ["(build)"]
            else:
                cmd = ["ctest", "--test-dir", out, "-j", jobs, "--timeout", "120"]
                if pattern:
                    cmd += ["-R", pattern]
                if args.cases:
                    code, cases = failed_cases(cmd + ["--output-on-failure"])
                    failed = code != 0
                else:
                    failed = run(cmd, 1800) != 0
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
            os.utime(full)
        if failed:
            caught += 1
        else:
            missed.append(f"{where} {path}: {original!r} -> {replacement!r}")
        print(f"{'caught' if failed else 'MISSED'} {where}"
              + (f" by {' '.join(cases)}" if args.cases and failed else ""), flush=True)
    run(["cmake", "--build", out, "-j", jobs], 3600)
    for line in missed:
        print("missed:", line)
    for where in stale:
        print("stale (original text not found):", where)
    print(f"mutation score: {caught} of {len(faults) - len(stale)} planted faults caught"
          + (f", {len(stale)} stale" if stale else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
