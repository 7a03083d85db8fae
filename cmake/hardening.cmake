# hardening.cmake -- the flags that make every build of the program harder to
# take over through a memory fault: Debian's own set for the Debian package, the
# MinGW-w64 counterparts for subnetter.exe, the same protections spelt out for
# every other build (make run, the tests). A _FORTIFY_SOURCE that the builder's
# flags define (a packager's -D_FORTIFY_SOURCE=3, say) is theirs to keep.
string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
if("${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}" MATCHES "_FORTIFY_SOURCE")
  set(fortify)
elseif(WIN32)
  set(fortify -D_FORTIFY_SOURCE=2)
else()
  # The checked string functions need the optimiser, so a debugging build
  # (the sanitizers' among them) goes without; a value a compiler sets by
  # default gives way to this one.
  set(fortify $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()

if(WIN32)
  # The stack checks and the checked string functions come from libssp, linked
  # statically like the rest. The PE header asks Windows for a high-entropy
  # random load address and for data that is never executed (ASLR and DEP).
  add_compile_options(-fstack-protector-strong ${fortify})
  add_link_options(-fstack-protector-strong LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
elseif(SUBNETTER_DEBIAN_PACKAGE)
  # Asked of dpkg-buildflags, so the package follows Debian's choice of the day
  # and a packager's DEB_BUILD_MAINT_OPTIONS or DEB_CXXFLAGS_APPEND still counts;
  # hardening=+all comes first so that the packager's options win. Run in the
  # source folder, its file-prefix map keeps that folder's path out of the program.
  find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  set(maintainer_options "hardening=+all $ENV{DEB_BUILD_MAINT_OPTIONS}")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${maintainer_options}"
        ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
  endforeach()
  # Debian 12's dpkg has no branch protection in that set yet, where later ones
  # give -fcf-protection on amd64: added here when it is missing.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND NOT debian_CXXFLAGS MATCHES "-fcf-protection")
    list(APPEND debian_CXXFLAGS -fcf-protection)
  endif()
  # The debugging notes name the build folder, and the build ID that stays in the
  # stripped program is worked out from them: mapped too, so that a package built
  # in another folder is the same.
  add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS} -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
  add_link_options(${debian_LDFLAGS})
else()
  add_compile_options(-fstack-protector-strong ${fortify})
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_compile_options(-fcf-protection)
  endif()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  # Read-only relocations bound at start are ELF's; a Mach-O linker has no
  # such switch (its constant data is read-only already) and zig's ignores it.
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    add_link_options(LINKER:-z,relro LINKER:-z,now)
  endif()
endif()
