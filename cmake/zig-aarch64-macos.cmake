# zig-aarch64-macos.cmake -- a Mach-O program for macOS on Apple silicon, cross-built with zig.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR arm64)
set(ZIG_TARGET aarch64-macos)
include(${CMAKE_CURRENT_LIST_DIR}/zig/toolchain.cmake)
