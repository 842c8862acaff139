#!/usr/bin/env bash
# pendra-cli payroll reading a workbook made by openpyxl against the time of inflating it and of
# the same rows read as CSV, in one run, alternating: 200,000 rows (16,667 employees × 12 months)
# and 1,000,000 rows (83,334 × 12), five columns. For each size it prints the medians of elapsed
# time, CPU time and peak resident memory (/usr/bin/time) of
#   inflate   unzip -p of the whole workbook
#   csv       pendra-cli payroll ROWS.csv -o OUT.csv
#   xlsx      pendra-cli payroll BOOK.xlsx -o OUT.csv   (the same output, compared byte for byte)
#   write     pendra-cli payroll ROWS.csv -o OUT.xlsx   (libxlsxwriter's deflate, for the record)
# and the goal: xlsx within 3 × (inflate + csv), its peak memory within the CSV's plus the
# shared strings.
#   bench/xlsx.sh [PENDRA_CLI]   (default build-bench/pendra-cli, a Release build)
#   RUNS=5 SIZES="200000" bench/xlsx.sh
#   BOOKS=/tmp/books bench/xlsx.sh   (keeps the generated files there for the next run)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build-bench/pendra-cli}
runs=${RUNS:-3}
sizes=${SIZES:-"200000 1000000"}
python=/usr/bin/python3
[ -x "$cli" ] || { echo "no $cli: build the Release configuration first (scripts/bench)" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

make_rows() { # rows, folder: writes rows.csv and book.xlsx holding the same rows
  [ -s "$2/book.xlsx" ] && [ -s "$2/rows.csv" ] && return
  mkdir -p "$2"
  "$python" - "$1" "$2" <<'EOF'
import csv, sys
from openpyxl import Workbook
rows, folder = int(sys.argv[1]), sys.argv[2]
employees = (rows + 11) // 12
book = Workbook(write_only=True)
sheet = book.create_sheet("工资")
title = ["工号", "姓名", "月份", "收入", "专项扣除"]
sheet.append(title)
with open(folder + "/rows.csv", "w", newline="", encoding="utf-8") as out:
    table = csv.writer(out)
    table.writerow(title)
    n = 0
    for month in range(1, 13):
        for e in range(1, employees + 1):
            if n == rows:
                break
            n += 1
            income = 6000 + (e * 7919) % 40000 + (e % 100) / 100
            row = ["E%06d" % e, "员工%d" % e, month, income, round(income * 0.105, 2)]
            sheet.append(row)
            table.writerow(row)
book.save(folder + "/book.xlsx")
EOF
}

measure() { # label, command...: appends "seconds KiB cpu-seconds" to $dir/label
  local label=$1; shift
  /usr/bin/time -f '%e %M %U %S' -o "$dir/time" "$@" > /dev/null
  awk '{ printf "%s %s %.2f\n", $1, $2, $3 + $4 }' "$dir/time" >> "$dir/$label"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { cut -d' ' -f"$2" "$dir/$1" | median; }

for size in $sizes; do
  rm -f "$dir"/inflate "$dir"/csv "$dir"/xlsx "$dir"/write
  books=${BOOKS:-$dir}/$size
  make_rows "$size" "$books"
  echo "== $size rows: book.xlsx $(stat -c %s "$books/book.xlsx") bytes, rows.csv $(stat -c %s "$books/rows.csv") bytes"
  for ((i = 0; i < runs; i++)); do
    measure inflate unzip -p "$books/book.xlsx"
    measure csv "$cli" payroll "$books/rows.csv" -o "$dir/from-csv.csv"
    measure xlsx "$cli" payroll "$books/book.xlsx" -o "$dir/from-xlsx.csv"
    measure write "$cli" payroll "$books/rows.csv" -o "$dir/out.xlsx"
  done
  cmp -s "$dir/from-csv.csv" "$dir/from-xlsx.csv" || { echo "the workbook read otherwise than its CSV" >&2; exit 1; }
  for label in inflate csv xlsx write; do
    printf '%-8s %6s s  CPU %6s s  peak %7s KiB  (runs: %s)\n' "$label" "$(field $label 1)" \
      "$(field $label 3)" "$(field $label 2)" "$(cut -d' ' -f1 "$dir/$label" | tr '\n' ' ')"
  done
  awk -v x="$(field xlsx 1)" -v i="$(field inflate 1)" -v c="$(field csv 1)" \
      -v xc="$(field xlsx 3)" -v ic="$(field inflate 3)" -v cc="$(field csv 3)" \
      -v xm="$(field xlsx 2)" -v cm="$(field csv 2)" 'BEGIN {
    printf "xlsx: %.2f × (inflate + csv) elapsed, %.2f × in CPU time (goal ≤ 3)\n", x / (i + c), xc / (ic + cc)
    printf "peak memory %.1f MiB against the CSV'"'"'s %.1f MiB\n", xm / 1024, cm / 1024 }'
done
