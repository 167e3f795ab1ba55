#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures the project with BUILD_TESTING=OFF in an empty folder (configuration only; the
# build itself takes minutes) and checks that no test executable is planned and Qt Test is not
# looked for, while the program, its window module and the generated documents still are.
#
# without_tests.sh CMAKE SOURCE_DIR GENERATOR
set -u
cmake=$1 source=$2 generator=$3
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

if ! "$cmake" -S "$source" -B "$build" -G "$generator" -DBUILD_TESTING=OFF \
    -DVELMORA_BUILD_BENCHMARKS=OFF >"$build/configure.log" 2>&1; then
    cat "$build/configure.log"
    echo "FAIL: the configuration without tests failed"
    exit 1
fi
grep -q '^Qt6Test_DIR' "$build/CMakeCache.txt" && fail "Qt Test was looked for"
[ -e "$build/CTestTestfile.cmake" ] && fail "tests were registered"
# The build's rules, whatever the generator writes them into.
rules=$(find "$build" -maxdepth 1 -name build.ninja -o -maxdepth 1 -name Makefile)
[ -n "$rules" ] || fail "no build rules were written"
for file in $rules; do
    grep -qE 'bin/test_[a-z]+' "$file" &&
        fail "test executables are planned: $(grep -oE 'bin/test_[a-z]+' "$file" | sort -u | paste -sd ' ')"
    grep -q 'libQt6Test' "$file" && fail "something links Qt Test"
    for wanted in bin/velmora libvelmora_window.so explain_multiproticacids.pdf velmora.1; do
        grep -q "$wanted" "$file" || fail "$wanted is not built"
    done
done
[ "$failed" = 0 ] && echo "configuration without tests: no test, no Qt Test, the program and its documents"
exit "$failed"
