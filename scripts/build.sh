#!/usr/bin/env bash
# build.sh run   - build, install into dist/ and start the base menu on the sample data
# build.sh test  - build everything (tests and benchmarks included) and run all tests
# build.sh asan  - all tests, the window programs' included, under AddressSanitizer +
#                  UndefinedBehaviorSanitizer
# build.sh fuzz  - the file readers' fuzz harnesses under the same sanitizers, each run for
#                  FUZZ_SECONDS (default 5) from its seeds; libFuzzer when clang is installed
# build.sh bench - build the benchmarks optimised (build/bench) and run every one, each result
#                  printed with its goal beside it (bench/goals.txt); a missed goal does not
#                  fail. BENCH_MIN_TIME (default 0.1) is each benchmark's minimum time in seconds
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 4)
mode=${1:-test}

configure() { # build-dir, extra cmake args...
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
}

case "$mode" in
  run)
    configure "$top/build/release" -DCMAKE_BUILD_TYPE=Release -DVERRANT_BUILD_TESTS=OFF -DVERRANT_BUILD_BENCH=OFF \
      -DCMAKE_INSTALL_PREFIX="$top/dist"
    cmake --build "$top/build/release" -j "$jobs"
    cmake --install "$top/build/release" >/dev/null
    echo "Installed into $top/dist (programs in dist/bin, sample data in dist/data)."
    if [ -x "$top/dist/bin/basnev" ]; then
      if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24" "$top/dist/bin/basnev"
      fi
      exec "$top/dist/bin/basnev"
    fi
    ;;
  test)
    configure "$top/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$top/build/test" -j "$jobs"
    cd "$top/build/test" && ctest --output-on-failure -j "$jobs" --timeout 600
    ;;
  asan)
    configure "$top/build/asan" -DCMAKE_BUILD_TYPE=Debug -DVERRANT_SANITIZE=ON -DVERRANT_BUILD_BENCH=OFF
    cmake --build "$top/build/asan" -j "$jobs"
    cd "$top/build/asan" && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$top/scripts/lsan-suppressions.txt" \
      ctest --output-on-failure -j "$jobs" --timeout 600
    ;;
  fuzz)
    seconds=${FUZZ_SECONDS:-5}
    compilers=()
    if command -v clang++ >/dev/null && command -v clang >/dev/null; then
      compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
    fi
    configure "$top/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERRANT_SANITIZE=ON -DVERRANT_FUZZ=ON \
      -DVERRANT_BUILD_UI=OFF -DVERRANT_BUILD_TESTS=OFF -DVERRANT_BUILD_BENCH=OFF "${compilers[@]}"
    cmake --build "$top/build/fuzz" -j "$jobs"
    cd "$top/build/fuzz/fuzz"
    while read -r name; do
      [ -n "$name" ] || continue
      mkdir -p "corpus/$name"
      echo "fuzzing $name for ${seconds}s"
      ASAN_OPTIONS=detect_leaks=1 "./fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=0 "corpus/$name" "seeds/$name" 2>"$name.out" || {
        tail -n 60 "$name.out" >&2
        echo "fuzz harness $name failed (its output: build/fuzz/fuzz/$name.out)" >&2
        exit 1
      }
      tail -n 1 "$name.out"
    done <fuzzers.txt
    ;;
  bench)
    configure "$top/build/bench" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$top/build/bench" -j "$jobs" --target verrant_benchmarks
    python3 "$top/scripts/run-bench.py" "$top/build/bench" "$top/bench/goals.txt" "${BENCH_MIN_TIME:-0.1}"
    ;;
  *)
    echo "usage: $0 run|test|asan|fuzz|bench" >&2
    exit 2
    ;;
esac
