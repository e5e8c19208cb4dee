#!/usr/bin/env python3
"""Plants a fixed list of faults one at a time and reports how many the suite catches.

Each list in scripts/mutations/*.txt holds one fault a line, fields split by TABs
(\\t and \\n in the texts stand for a TAB and a line end):
    path<TAB>original text<TAB>replacement text[<TAB>ctest -R pattern]
The original must occur in the file; its first occurrence is replaced. A fault is
caught when the build fails or a test fails. Without a pattern the whole suite runs.
Faults are planted in a copy of the committed tree (DIR/tree), never in the
working tree, so runs can go on beside other work: commit what you measure.

    scripts/mutate.py [--build DIR] [LIST ...]      (default: every list)
"""
import argparse
import glob
import os
import shutil
import subprocess
import sys

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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build/mutate")
    parser.add_argument("lists", nargs="*")
    args = parser.parse_args()
    lists = args.lists or sorted(glob.glob(os.path.join(ROOT, "scripts/mutations/*.txt")))
    faults = read_faults(lists)
    build = os.path.abspath(os.path.join(ROOT, args.build))
    tree = os.path.join(build, "tree")
    shutil.rmtree(tree, ignore_errors=True)
    # The committed tree: work in progress elsewhere cannot break the copy.
    os.makedirs(tree)
    archive = subprocess.run(["git", "archive", "HEAD"], cwd=ROOT, check=True, capture_output=True)
    subprocess.run(["tar", "-x", "-C", tree], input=archive.stdout, check=True)
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
        try:
            with open(full, "w", encoding="utf-8") as f:
                f.write(text.replace(original, replacement, 1))
            failed = run(["cmake", "--build", out, "-j", jobs], 1800) != 0
            if not failed:
                cmd = ["ctest", "--test-dir", out, "-j", jobs, "--timeout", "120"]
                if pattern:
                    cmd += ["-R", pattern]
                failed = run(cmd, 1800) != 0
        finally:
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
            os.utime(full)
        if failed:
            caught += 1
        else:
            missed.append(f"{where} {path}: {original!r} -> {replacement!r}")
        print(f"{'caught' if failed else 'MISSED'} {where}", flush=True)
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
