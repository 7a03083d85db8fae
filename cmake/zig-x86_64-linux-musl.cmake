# zig-x86_64-linux-musl.cmake -- a static program for any x86_64 Linux, on musl,
# cross-built with zig; it runs here as it is.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZIG_TARGET x86_64-linux-musl)
include(${CMAKE_CURRENT_LIST_DIR}/zig/toolchain.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
