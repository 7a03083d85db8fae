# platform_features.cmake -- what the C library and the kernel's headers offer
# beyond POSIX, asked of the compiler itself (never of the system's name) and
# passed to the POSIX console and export code as SUBNETTER_HAVE_* defines, 1 or
# 0. Each extra has a portable way beside it; SUBNETTER_LINUX_EXTRAS=OFF takes
# the portable ways, so that they are built and tested here as well.
include(CheckCXXSymbolExists)
include(CheckCXXSourceCompiles)

option(SUBNETTER_LINUX_EXTRAS "Use ppoll, the pipe's free room, fopencookie, the real-time signals and System V's SIGIO and SIGPWR where found" ON)

set(subnetter_features)
if(WIN32)
  return()
endif()

# A FIFO or device export file is written through a stream of the program's
# own: fopencookie (glibc, musl, FreeBSD) makes one, BSD's funopen (macOS, the
# BSDs; on Linux, libbsd's) the same from the same write function. Without the
# Linux extras funopen is taken where found, so that CI runs it too.
check_cxx_symbol_exists(fopencookie "cstdio" SUBNETTER_FOUND_FOPENCOOKIE)
check_cxx_symbol_exists(funopen "cstdio" SUBNETTER_FOUND_FUNOPEN)
if(NOT SUBNETTER_FOUND_FUNOPEN)
  set(CMAKE_REQUIRED_LIBRARIES bsd)
  check_cxx_symbol_exists(funopen "bsd/stdio.h" SUBNETTER_FOUND_LIBBSD)
  unset(CMAKE_REQUIRED_LIBRARIES)
endif()
set(subnetter_feature_libraries)
if(SUBNETTER_FOUND_FOPENCOOKIE AND (SUBNETTER_LINUX_EXTRAS OR NOT (SUBNETTER_FOUND_FUNOPEN OR SUBNETTER_FOUND_LIBBSD)))
  list(APPEND subnetter_features SUBNETTER_HAVE_FOPENCOOKIE=1 SUBNETTER_HAVE_LIBBSD=0)
elseif(SUBNETTER_FOUND_FUNOPEN)
  list(APPEND subnetter_features SUBNETTER_HAVE_FOPENCOOKIE=0 SUBNETTER_HAVE_LIBBSD=0)
elseif(SUBNETTER_FOUND_LIBBSD)
  list(APPEND subnetter_features SUBNETTER_HAVE_FOPENCOOKIE=0 SUBNETTER_HAVE_LIBBSD=1)
  set(subnetter_feature_libraries bsd)
else()
  message(FATAL_ERROR "The C library has neither fopencookie nor funopen, which a FIFO or device export file is written through")
endif()

if(SUBNETTER_LINUX_EXTRAS)
  check_cxx_symbol_exists(ppoll "poll.h" SUBNETTER_FOUND_PPOLL)
  check_cxx_symbol_exists(F_GETPIPE_SZ "fcntl.h" SUBNETTER_FOUND_PIPE_SIZE)
  check_cxx_symbol_exists(SIGRTMIN "csignal" SUBNETTER_FOUND_REALTIME_SIGNALS)
  # Where SIGIO is System V's SIGPOLL, it and SIGPWR end a process by default;
  # on macOS and the BSDs their default is to be ignored, and so they are there.
  check_cxx_source_compiles([[
    #include <csignal>
    static_assert(SIGIO == SIGPOLL && SIGPWR > 0);
    int main() {}
  ]] SUBNETTER_FOUND_SYSTEM_V_SIGNALS)
endif()
foreach(extra PPOLL PIPE_SIZE REALTIME_SIGNALS SYSTEM_V_SIGNALS)
  if(SUBNETTER_LINUX_EXTRAS AND SUBNETTER_FOUND_${extra})
    list(APPEND subnetter_features SUBNETTER_HAVE_${extra}=1)
  else()
    list(APPEND subnetter_features SUBNETTER_HAVE_${extra}=0)
  endif()
endforeach()
