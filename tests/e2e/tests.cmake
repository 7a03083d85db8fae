subnetter_add_test(e2e_tests e2e/sessions_test.cpp)

# Runs the program with POSIX pipes, FIFOs, signals and limits, so not in a cross build.
if(NOT (CMAKE_CROSSCOMPILING OR WIN32))
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME e2e.ways_out COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/ways_out.py $<TARGET_FILE:subnetter>)
  add_test(NAME e2e.standard_descriptors
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/standard_descriptors.sh $<TARGET_FILE:subnetter>)
  add_test(NAME e2e.command_line
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/command_line.py $<TARGET_FILE:subnetter> ${PROJECT_VERSION})
endif()
