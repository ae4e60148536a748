#!/usr/bin/env python3
"""Runs every benchmark program of a build and prints each result with its goal beside it.

usage: run-bench.py BUILD_DIR GOALS_FILE [MIN_TIME]

BUILD_DIR/bench/benchmarks.txt lists the programs (written by bench/CMakeLists.txt); the goals
are described in GOALS_FILE (bench/goals.txt). MIN_TIME is each benchmark's minimum run time
in seconds where the benchmark does not fix its own. A missed goal is printed as such and
does not fail the run; a program that fails does. The programs' own output is kept in
BUILD_DIR/bench/results/.
"""

import json
import operator
import os
import subprocess
import sys
from pathlib import Path

OPERATORS = {"<": operator.lt, "<=": operator.le, ">=": operator.ge, ">": operator.gt}
UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def read_goals(path):
    goals = {}
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        fields = line.split("#", 1)[0].split()
        if not fields:
            continue
        if len(fields) not in (3, 4) or (len(fields) == 3) != (fields[2] == "-"):
            sys.exit(f"{path}:{number}: expected NAME MEASURE OP VALUE or NAME MEASURE -")
        if len(fields) == 4 and fields[2] not in OPERATORS:
            sys.exit(f"{path}:{number}: unknown operator {fields[2]}")
        goal = None if len(fields) == 3 else (fields[2], float(fields[3]))
        goals.setdefault(fields[0], []).append((fields[1], goal))
    return goals


def milliseconds(result, which):
    return result[which] * UNIT_TO_MS[result.get("time_unit", "ns")]


def measure(result, by_name, what):
    """The measured value and how to print it; None when the benchmark did not give it."""
    if what in ("real", "cpu"):
        return milliseconds(result, what + "_time"), "{:.3g} ms " + what
    if what.startswith("counter:"):
        name = what[len("counter:"):]
        return (result[name], "{:.3g} " + name) if name in result else (None, name)
    which, _, other = what.partition("/")
    if which not in ("real", "cpu") or other not in by_name:
        return None, what
    base = milliseconds(by_name[other], which + "_time")
    if base <= 0:
        return None, what
    return milliseconds(result, which + "_time") / base, "{:.3g}x " + other + " " + which


def report(program, results, goals, seen):
    by_name = {r["name"]: r for r in results if r.get("run_type", "iteration") == "iteration"}
    seen.update(by_name)
    missed = 0
    print(f"{program}")
    for name, result in by_name.items():
        if "error_message" in result:
            print(f"  {name:<48} error: {result['error_message']}")
            continue
        times = f"{milliseconds(result, 'real_time'):.3g} ms real, {milliseconds(result, 'cpu_time'):.3g} ms cpu"
        label = f"  ({result['label']})" if result.get("label") else ""
        print(f"  {name:<48} {times}{label}")
        for what, goal in goals.get(name, []):
            value, shown = measure(result, by_name, what)
            if value is None:
                print(f"  {'':<48}   {shown}: not measured")
                continue
            text = shown.format(value)
            if goal is None:
                print(f"  {'':<48}   {text}")
                continue
            op, limit = goal
            met = OPERATORS[op](value, limit)
            missed += 0 if met else 1
            print(f"  {'':<48}   {text:<44} goal {op} {limit:g}: {'met' if met else 'MISSED'}")
    return missed


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    build = Path(sys.argv[1]) / "bench"
    goals = read_goals(sys.argv[2])
    min_time = sys.argv[3] if len(sys.argv) == 4 else "0.05"
    out = build / "results"
    out.mkdir(exist_ok=True)
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    programs = [line for line in (build / "benchmarks.txt").read_text().splitlines() if line]
    failed = []
    missed = 0
    seen = set()
    for program in programs:
        name = Path(program).name
        json_path = out / f"{name}.json"
        with open(out / f"{name}.txt", "w", encoding="utf-8") as log:
            run = subprocess.run([program, f"--benchmark_min_time={min_time}", f"--benchmark_out={json_path}",
                                  "--benchmark_out_format=json"], stdout=log, stderr=subprocess.STDOUT, env=env,
                                 check=False)
        if run.returncode != 0 or not json_path.exists():
            print(f"{name}: failed (exit {run.returncode}); its output: {out / (name + '.txt')}")
            failed.append(name)
            continue
        missed += report(name, json.loads(json_path.read_text())["benchmarks"], goals, seen)
    for name in goals.keys() - seen:
        print(f"goal without a result: {name} did not run")
    print(f"{len(programs)} benchmark programs run, {missed} goal(s) missed"
          + (f", failed: {' '.join(failed)}" if failed else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
