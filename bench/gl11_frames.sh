#!/usr/bin/env bash
# The game's frames drawn both ways on this machine, by hand under an X display: through the
# system's OpenGL and through the OpenGL 1.1 layer on OpenGL ES 3.0. Builds both (Release, with
# the benchmarks), runs bench/game_frames in each, one after the other, and prints the frame
# times of the start and of a full plume with the layer's ratio to the system's and the
# machine's load. Through the layer the plume takes its immediate path, which the layer draws in
# one batch; the system's runs both its vertex-program path and its immediate path. The two
# take turns, ROUNDS times (default 3), and each figure is the fastest of its rounds, so that
# other work on a shared machine weighs on both alike and as little as it can.
# Usage: [ROUNDS=N] bench/gl11_frames.sh [SYSTEM-BUILD [LAYER-BUILD]]
# (default build-bench, build-bench-gl11)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
system=${1:-$root/build-bench}
layer=${2:-$root/build-bench-gl11}

if [ -z "${DISPLAY:-}" ]; then
    echo "No X display: run it under Xvfb." >&2
    exit 2
fi

build() { # build-folder MOONHOP_GL
    cmake -S "$root" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOONHOP_BENCH=ON \
        -DMOONHOP_TESTS=OFF -DMOONHOP_GL="$2" >/dev/null
    cmake --build "$1" --target game_frames pictures >/dev/null
}
run() { (cd "$1" && ./bench/game_frames 2>/dev/null); }

# A counter of one benchmark line: counter NAME < output-line
counter() { sed -n "s/.* $1=\([0-9.k]*\).*/\1/p" | sed 's/\([0-9.]*\)k$/\1e3/'; }

build "$system" system
build "$layer" gl11
load_before=$(cut -d' ' -f1 /proc/loadavg)
system_out=""
layer_out=""
for _ in $(seq "${ROUNDS:-3}"); do
    system_out+=$(run "$system")$'\n'
    layer_out+=$(run "$layer")$'\n'
done
load_after=$(cut -d' ' -f1 /proc/loadavg)

# The fastest of the rounds: best OUTPUT BENCHMARK COUNTER
best() { echo "$1" | grep "StartAndFullPlume/$2/" | counter "$3" | sort -g | head -1; }
report() { # title system-benchmark layer-benchmark counter
    local s l
    s=$(best "$system_out" "$2" "$4")
    l=$(best "$layer_out" "$3" "$4")
    awk -v t="$1" -v s="$s" -v l="$l" \
        'BEGIN { printf "%-44s system %8.1f ms   layer %8.1f ms   layer/system %.2f\n", t, s, l, l / s }'
}
report "start, one frame of both windows" fastest fastest start_ms
report "full plume, system's vertex program" fastest fastest plume_ms
report "full plume, both immediate" immediate immediate plume_ms
echo "fastest of ${ROUNDS:-3} rounds each; load average $load_before before, $load_after after," \
    "on $(nproc) cores"
