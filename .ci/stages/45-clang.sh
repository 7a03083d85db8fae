#!/usr/bin/env bash
# 45-clang.sh -- builds the program and every test with clang, warnings as errors,
# and runs them: once with GCC's C++ library, once with LLVM's libc++.
set -euo pipefail
cd "$(dirname "$0")/../.."
export CC=clang CXX=clang++

.ci/every_test_ran make test BUILD=build-clang

# GoogleTest is built from its sources with libc++ too: the packaged library is
# made for GCC's C++ library.
build=build-clang-libcxx-test
cmake -S . -B $build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUBNETTER_WERROR=ON \
  -DCMAKE_CXX_FLAGS=-stdlib=libc++ -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++ \
  -DSUBNETTER_GOOGLETEST_SOURCE=/usr/src/googletest
cmake --build $build -j "$(nproc)"
.ci/every_test_ran ctest --test-dir $build --output-on-failure --no-tests=error -j "$(nproc)"
