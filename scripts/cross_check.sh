#!/usr/bin/env bash
# Proves that results do not depend on the processor: builds core, the command line and their
# tests for aarch64 (128-bit long double) and i686 (x87), runs the tests under qemu-user, and
# compares aeonarium-cli --batch with the native build byte for byte over generated cases.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-4000}

cmake --preset core-only >/dev/null
cmake --build --preset core-only -j2 --target aeonarium-cli

cases=build/cross-cases.tsv
# Deterministic cases: every model and row, integers, decimals, exponents, signs, blanks, junk.
awk -v n="$count" 'BEGIN {
  split("billions millions hundred-thousands thousands hundreds years", rows, " ");
  seed = 20161231;
  for (i = 0; i < n; i++) {
    seed = (seed * 1103515245 + 12345) % 2147483648; a = seed;
    seed = (seed * 1103515245 + 12345) % 2147483648; b = seed;
    model = a % 2; row = rows[1 + int(a / 2) % 6];
    kind = b % 8; v = int(b / 8) % 100000;
    if (kind == 0) text = v;
    else if (kind == 1) text = sprintf("%d.%d", v % 1000, b % 997);
    else if (kind == 2) text = sprintf("%de%d", v % 100, (b % 21) - 10);
    else if (kind == 3) text = sprintf("-%d.%03d", v % 100, b % 1000);
    else if (kind == 4) text = sprintf(" %d.%d ", v % 14, b % 9999);
    else if (kind == 5) text = sprintf("%d.%07de-%d", v % 10, b % 9999999, b % 4);
    else if (kind == 6) text = sprintf("1e%d", (b % 5000));
    else text = sprintf("x%d", v);
    printf "%d\t%s\t%s\n", model, row, text;
  }
}' > "$cases"

status=0
for target in aarch64-linux-gnu:aarch64 i686-linux-gnu:i386; do
  triple=${target%%:*}
  qemu=qemu-${target##*:}
  dir=build/cross-$triple
  cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/debian-cross.cmake" \
    -DAEONARIUM_CROSS_TRIPLE="$triple" -DAEONARIUM_CROSS_QEMU="${target##*:}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAEONARIUM_GUI=OFF >/dev/null
  cmake --build "$dir" -j2
  echo "== $triple: tests under qemu"
  # The every-locale sweep reads the host's locale data, which another libc need not share.
  ctest --test-dir "$dir" -j2 --output-on-failure -E AllLocales || status=1
  for locale in C de_DE.UTF-8 en_US.UTF-8; do
    LC_ALL=$locale build/core-only/cli/aeonarium-cli --batch <"$cases" >"$dir/native-$locale.out"
    LC_ALL=$locale "$qemu" -L "/usr/$triple" "$dir/cli/aeonarium-cli" --batch <"$cases" \
      >"$dir/cross-$locale.out"
    if cmp -s "$dir/native-$locale.out" "$dir/cross-$locale.out"; then
      echo "identical: $triple $locale ($(wc -l <"$cases") cases)"
    else
      echo "DIFFERENT: $triple $locale"
      diff "$dir/native-$locale.out" "$dir/cross-$locale.out" | head -20
      status=1
    fi
  done
done
exit "$status"
