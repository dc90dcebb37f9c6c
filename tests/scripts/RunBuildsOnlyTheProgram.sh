#!/usr/bin/env bash
# scripts/run builds only the program and the period-file tool before the
# first start; the tests and benchmarks are left to scripts/test. Configures a
# fresh build folder and asks Ninja, without building, what the targets that
# scripts/run names would build.
set -euo pipefail
source_dir="$1"
build="$(mktemp -d "${TMPDIR:-/tmp}/velmora-run-plan.XXXXXX")"
trap 'rm -rf "$build"' EXIT

line="$(grep -E '^"\$here/scripts/build"' "$source_dir/scripts/run")"
read -r -a words <<<"$line"
targets=("${words[@]:1}")
if [ "${#targets[@]}" -eq 0 ]; then
  echo "scripts/run builds every target: $line" >&2
  exit 1
fi

cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
plan="$(ninja -C "$build" -n "${targets[@]}")"
fail=0
for wanted in "src/app/velmora" "src/periodfile/velmora-periodfile"; do
  if ! grep -q "Linking CXX executable $wanted\$" <<<"$plan"; then
    echo "scripts/run does not build $wanted" >&2
    fail=1
  fi
done
if grep -E "Building CXX object (tests|bench)/" <<<"$plan" >&2; then
  echo "scripts/run builds tests or benchmarks (listed above)" >&2
  fail=1
fi
exit "$fail"
