#!/bin/sh
# Fuzzes Open's file road for the given number of minutes (default 10):
#   sh scripts/fuzz.sh 10
# Builds with clang into build-fuzz/, starts from the seeds in fuzz/corpus and
# keeps what it finds in build-fuzz/corpus; a crash input lands in build-fuzz/.
set -e
cd "$(dirname "$0")/.."
MINUTES="${1:-10}"
EXTRA_PACKAGES="clang libclang-rt-dev" sh scripts/setup.sh
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXDIT_FUZZ=ON
cmake --build build-fuzz -j"$(nproc)" --target fileroad_fuzz
mkdir -p build-fuzz/corpus
cd build-fuzz
./fuzz/fileroad_fuzz -max_total_time=$((MINUTES * 60)) -max_len=65536 -print_final_stats=1 \
    corpus ../fuzz/corpus
