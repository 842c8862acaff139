#!/usr/bin/env bash
# pendra-cli payroll over a generated sheet of 1,000,000 rows (100,000 employees × 10 months,
# month after month as payroll exports list them) beside awk doing one multiplication and one sum
# per row of the same file, in the same run, alternating. Prints the medians of elapsed time and
# peak resident memory (/usr/bin/time), the file's size and the ratios against the goals:
# payroll within 3 × awk's time, peak memory within 3 × the file's size.
#   bench/payroll.sh [PENDRA_CLI]   (default build-bench/pendra-cli, a Release build)
#   RUNS=5 bench/payroll.sh         (runs of each, default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build-bench/pendra-cli}
runs=${RUNS:-3}
[ -x "$cli" ] || { echo "no $cli: build the Release configuration first (scripts/bench)" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
sheet=$dir/payroll.csv

# Deterministic figures with cents; a few employees take the other deduction modes.
awk 'BEGIN {
  print "工号,姓名,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式"
  for (m = 1; m <= 10; m++)
    for (e = 1; e <= 100000; e++) {
      income = 6000 + (e * 7919) % 40000 + (e % 100) / 100
      mode = e % 50 == 0 ? "自1月" : e % 70 == 0 ? "6万" : "按月"
      printf "E%06d,员工%d,%d,%.2f,%d,%.2f,%d,%d,%s\n", e, e, m, income, (e % 9 == 0) * 500,
        income * 0.105, (e % 4) * 1000, (e % 13 == 0) * 200, mode
    }
}' > "$sheet"
size=$(stat -c %s "$sheet")
echo "sheet: $(wc -l < "$sheet") lines, $size bytes"

measure() { # label, command...: appends "seconds KiB" to $dir/label
  local label=$1; shift
  /usr/bin/time -f '%e %M' -o "$dir/time" "$@" > /dev/null
  cat "$dir/time" >> "$dir/$label"
}
for ((i = 0; i < runs; i++)); do
  measure awk awk -F, 'NR > 1 { sum += $4 * $6 } END { printf "%.2f\n", sum }' "$sheet"
  measure payroll "$cli" payroll "$sheet" -o "$dir/out.csv"
done
[ "$(wc -l < "$dir/out.csv")" -eq "$(wc -l < "$sheet")" ] || { echo "payroll left rows out" >&2; exit 1; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
awk_s=$(cut -d' ' -f1 "$dir/awk" | median)
pay_s=$(cut -d' ' -f1 "$dir/payroll" | median)
awk_k=$(cut -d' ' -f2 "$dir/awk" | median)
pay_k=$(cut -d' ' -f2 "$dir/payroll" | median)
echo "awk:     ${awk_s} s, peak ${awk_k} KiB (runs: $(cut -d' ' -f1 "$dir/awk" | tr '\n' ' '))"
echo "payroll: ${pay_s} s, peak ${pay_k} KiB (runs: $(cut -d' ' -f1 "$dir/payroll" | tr '\n' ' '))"
awk -v p="$pay_s" -v a="$awk_s" -v k="$pay_k" -v s="$size" 'BEGIN {
  printf "time: %.2f × awk (goal ≤ 3), peak memory: %.2f × the file (goal ≤ 3)\n", p / a, k * 1024 / s
}'
