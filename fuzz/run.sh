#!/bin/sh
# Builds the fuzz targets with clang, ASan and UBSan in build-fuzz/ and runs
# each for a bounded time (seconds per target, default 20) on a seed corpus
# made from the reference EDIDs. Skips, with a message, when clang is absent.
set -e
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-20}"
CORPUS_DIR="${EDID_CORPUS_DIR:-$PWD/../shared/edid-corpus}"
if ! command -v clang++ >/dev/null 2>&1; then
    echo "clang++ not found: fuzzing skipped (tools/install-deps.sh --fuzz installs it)"
    exit 0
fi
CXX=clang++ CC=clang cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZOZEZI_FUZZ=ON >/dev/null
TARGETS="fuzz_decodebaseblock fuzz_textdump fuzz_load fuzz_ceaextension fuzz_decodeedid fuzz_modernblocks
         fuzz_updateinfo fuzz_displaystore fuzz_filename"
# shellcheck disable=SC2086
cmake --build build-fuzz -j2 --target $TARGETS
SEEDS="build-fuzz/seeds"
rm -rf "$SEEDS"
mkdir -p "$SEEDS/bin" "$SEEDS/load" "$SEEDS/extension" build-fuzz/found \
    "$SEEDS/fuzz_updateinfo" "$SEEDS/fuzz_filename" "$SEEDS/fuzz_displaystore"
# An update answer of the right product, names of every kind, a connector
# folder holding the first corpus EDID.
printf '\001<Product><Id>1001</Id><Name>VQ ZAVO Zozezi</Name><Version>99.01</Version>%s</Product>' \
    '<Url>https://example.com/a?b=1&amp;c</Url>' > "$SEEDS/fuzz_updateinfo/product"
printf 'dir.dat/x.edid' > "$SEEDS/fuzz_filename/dump"
printf 'x.DAT' > "$SEEDS/fuzz_filename/upper"
WORK="build-fuzz/work"
mkdir -p "$WORK"
if [ -d "$CORPUS_DIR" ]; then
    # A sample of the corpus: every 20th file, raw, with the load
    # target's leading mode byte (even: binary), and its extension block.
    i=0
    for f in "$CORPUS_DIR"/*.bin; do
        i=$((i + 1))
        [ $((i % 20)) -eq 0 ] || continue
        cp "$f" "$SEEDS/bin/"
        { printf '\000'; cat "$f"; } > "$SEEDS/load/$(basename "$f")"
        if [ "$(wc -c < "$f")" -ge 256 ]; then
            tail -c +129 "$f" | head -c 128 > "$SEEDS/extension/$(basename "$f")"
        fi
        [ -s "$SEEDS/fuzz_displaystore/connector" ] || \
            { printf '\001\006-DP-10\000\200'; head -c 128 "$f"; } > "$SEEDS/fuzz_displaystore/connector"
    done
fi
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in $TARGETS; do
    seeds="$SEEDS/bin"
    max_len=40000
    [ "$target" = fuzz_load ] && seeds="$SEEDS/load"
    [ "$target" = fuzz_textdump ] && seeds=""
    if [ "$target" = fuzz_updateinfo ] || [ "$target" = fuzz_filename ] || [ "$target" = fuzz_displaystore ]; then
        seeds="$SEEDS/$target"
        max_len=4096
    fi
    if [ "$target" = fuzz_ceaextension ]; then
        seeds="$SEEDS/extension"
        max_len=128  # the target reads one extension block
    fi
    if [ "$target" = fuzz_modernblocks ]; then
        seeds=""
        max_len=32  # a header's tag bits and a payload of up to 31 bytes
    fi
    echo "== $target (${SECONDS_PER_TARGET} s)"
    mkdir -p "$WORK/$target"
    "build-fuzz/fuzz/$target" -max_total_time="$SECONDS_PER_TARGET" -max_len="$max_len" -print_final_stats=0 \
        -artifact_prefix="build-fuzz/found/$target-" "$WORK/$target" $seeds \
        >"build-fuzz/$target.log" 2>&1 || status=$?
    tail -n 1 "build-fuzz/$target.log"
done
if [ "${status:-0}" -ne 0 ]; then
    echo "A fuzz target failed: see build-fuzz/*.log and build-fuzz/found/"
    exit 1
fi
