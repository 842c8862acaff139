#!/usr/bin/env bash
# pendra-cli year on the busy year of bench/YearFiles.h (3 jobs, 4 children, every item), as a
# script runs it: whole runs, tables and --json, beside `pendra-cli --version` (the start of the
# process and Qt Core alone), alternating. Prints the medians of wall time and of CPU time (user +
# system, which a busy machine inflates less); goal: year under 20 ms wall.
#   bench/year.sh [PENDRA_CLI]   (default build-bench/pendra-cli, a Release build)
#   RUNS=51 bench/year.sh        (runs of each, default 31)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build-bench/pendra-cli}
[ -x "$cli" ] || { echo "no $cli: build the Release configuration first (scripts/bench)" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
sed -n '/R"(/,/^)";/p' bench/YearFiles.h | sed '1s/.*R"(//; $d' > "$dir/year.json"
"$cli" year "$dir/year.json" --json > /dev/null || { echo "the busy year is refused" >&2; exit 1; }

RUNS=${RUNS:-31} python3 - "$cli" "$dir/year.json" <<'PY'
import os, resource, statistics, subprocess, sys, time
cli, year = sys.argv[1], sys.argv[2]
runs = int(os.environ["RUNS"])
commands = {"pendra-cli --version": [cli, "--version"],
            "pendra-cli year FILE": [cli, "year", year],
            "pendra-cli year FILE --json": [cli, "year", year, "--json"]}
wall = {name: [] for name in commands}
cpu = {name: [] for name in commands}
for _ in range(runs):
    for name, command in commands.items():
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
        wall[name].append((time.perf_counter() - start) * 1000)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu[name].append((after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime) * 1000)
load = open("/proc/loadavg").read().split()[:3]
print(f"load average {' '.join(load)}, {runs} runs each, medians:")
for name in commands:
    print(f"  {name:30} wall {statistics.median(wall[name]):6.2f} ms, "
          f"CPU {statistics.median(cpu[name]):6.2f} ms")
PY
