#!/usr/bin/env python3
"""Prints Google Benchmark JSON output as a table with each throughput's ratio to memcpy of the
same size, and marks the ratios below their goals (held at results of 16 MiB and more)."""
import json
import sys

GOALS = [("SlantedText", 0.5), ("DecorateText", 0.3), ("ClassicalLayout", 0.25),
         ("ToTraditional", 0.3), ("ToFullWidth", 0.3), ("ToHalfWidth", 0.3),
         ("RemoveLineBreaks", 0.3)]


def goal(name):
    return next((g for prefix, g in GOALS if name.startswith(prefix)), None)


def human(n):
    for unit, size in (("MiB", 1 << 20), ("KiB", 1 << 10)):
        if n >= size:
            return f"{n / size:.0f} {unit}"
    return f"{n} B"


def main():
    runs = [b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("run_type") != "aggregate"]
    memcpy = {b["name"].split("/")[1]: b["bytes_per_second"] for b in runs
              if b["name"].startswith("memcpy/")}
    print(f"{'operation':<30} {'result':>8} {'throughput':>12} {'vs memcpy':>10}  goal")
    for b in runs:
        name, size = b["name"].split("/")
        bps = b["bytes_per_second"]
        ratio = bps / memcpy[size]
        g = goal(name)
        mark = ""
        if g is not None and int(size) >= 16 << 20:
            mark = f">= {g:<4} {'ok' if ratio >= g else 'BELOW'}"
        print(f"{name:<30} {human(int(size)):>8} {bps / 1e9:>9.2f} GB/s {ratio:>9.2f}  {mark}")


if __name__ == "__main__":
    main()
