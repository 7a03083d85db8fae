# packaging.cmake -- where `make install`, the Debian package and the Windows
# zip put each file. A build folder makes one of the three layouts.
include(GNUInstallDirs)

set(CPACK_PACKAGE_VENDOR "the subnetter authors")
set(CPACK_PACKAGE_CONTACT "the subnetter authors <subnetter@example.org>")
set(CPACK_STRIP_FILES ON)

# The manual page bears the date of the release's changelog entry, in ISO form.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/debian/changelog.in)
file(STRINGS packaging/debian/changelog.in release_line REGEX "^ -- ")
string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])" _ "${release_line}")
set(release_day ${CMAKE_MATCH_1})
set(release_year ${CMAKE_MATCH_3})
string(REGEX MATCH "${CMAKE_MATCH_2}([0-9][0-9])" _ "Jan01Feb02Mar03Apr04May05Jun06Jul07Aug08Sep09Oct10Nov11Dec12")
set(RELEASE_DATE ${release_year}-${CMAKE_MATCH_1}-${release_day})
configure_file(man/subnetter.1.in subnetter.1 @ONLY)

if(WIN32)
  # The program beside its two notes in one flat folder, the notes with the
  # CR LF line ends of Windows editors.
  configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(packaging/windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)

  # The exe carries parts of the compiler's runtime, whose notices must travel
  # with it. The linker's map says which archives it took members from; each
  # is then found under the runtime folder it came from.
  target_link_options(subnetter PRIVATE LINKER:-Map=${PROJECT_BINARY_DIR}/subnetter.map)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  get_filename_component(gcc_runtime_folder ${libgcc} DIRECTORY)
  add_custom_command(OUTPUT NOTICES.txt
    COMMAND ${CMAKE_COMMAND} -DMAP=${PROJECT_BINARY_DIR}/subnetter.map -DBUILD_FOLDER=${PROJECT_BINARY_DIR} -DGCC_RUNTIME=${gcc_runtime_folder}
      -DMINGW_RUNTIME=${CMAKE_FIND_ROOT_PATH}/lib -DNOTICES=${PROJECT_SOURCE_DIR}/packaging/windows/notices
      -DOUTPUT=${PROJECT_BINARY_DIR}/NOTICES.txt -P ${PROJECT_SOURCE_DIR}/cmake/windows_notices.cmake
    DEPENDS subnetter ${PROJECT_SOURCE_DIR}/cmake/windows_notices.cmake
    VERBATIM)
  add_custom_target(windows_notices ALL DEPENDS NOTICES.txt)

  install(TARGETS subnetter RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt ${PROJECT_BINARY_DIR}/NOTICES.txt ${PROJECT_BINARY_DIR}/README.txt
    DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  include(CPack)
elseif(SUBNETTER_DEBIAN_PACKAGE)
  # Debian's copyright format wants the licence terms indented, with " ." for
  # an empty line; the terms are taken from LICENSE so they exist once.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS LICENSE)
  file(READ LICENSE licence)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
  set(copyright_holders ${CMAKE_MATCH_1})
  string(REGEX REPLACE "^.*\nPermission" "Permission" licence_terms "${licence}")
  string(STRIP "${licence_terms}" licence_terms)
  string(REPLACE "\n\n" "\n.\n" licence_terms "${licence_terms}")
  string(REPLACE "\n" "\n " licence_terms "${licence_terms}")
  configure_file(packaging/debian/copyright.in copyright @ONLY)
  configure_file(packaging/debian/changelog.in changelog @ONLY)

  # Debian keeps manual pages and changelogs compressed at the highest level,
  # without the name and time gzip would store: only SOURCE_DATE_EPOCH dates
  # what goes into the package.
  add_custom_command(OUTPUT subnetter.1.gz changelog.gz
    COMMAND gzip -9nkf subnetter.1 changelog
    DEPENDS ${PROJECT_BINARY_DIR}/subnetter.1 ${PROJECT_BINARY_DIR}/changelog
    VERBATIM)
  add_custom_target(debian_documents ALL DEPENDS subnetter.1.gz changelog.gz)

  # As Debian's own strip step does, the compilers' version notes are dropped:
  # the stripped program has no use for them.
  add_custom_command(TARGET subnetter POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:subnetter> VERBATIM)

  install(TARGETS subnetter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/subnetter.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME subnetter)

  # The folders cpack makes for the package would follow the builder's umask;
  # Debian wants every one of them rwxr-xr-x.
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION net)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_PACKAGE_DESCRIPTION [[
subnetter asks for an IPv4 address of class A, B or C and a prefix, typed or
worked out from a host count, a subnet count or a mask, and shows the address,
mask and network in binary and in decimal. It then lists the equal subnets of
the classful network, or carves subnets of variable length one after another,
and can write the results to a text file.]])
  include(CPack)
else()
  install(TARGETS subnetter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/subnetter.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
