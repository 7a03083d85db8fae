# zig-x86_64-macos.cmake -- a Mach-O program for macOS on Intel, cross-built with zig.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZIG_TARGET x86_64-macos)
include(${CMAKE_CURRENT_LIST_DIR}/zig/toolchain.cmake)
