subnetter_add_test(e2e_tests e2e/sessions_test.cpp)

# Runs the program under a shell with its output refused, so not in a cross build.
if(NOT (CMAKE_CROSSCOMPILING OR WIN32))
  add_test(NAME e2e.refused_output_ends_with_status_1
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/refused_output.sh $<TARGET_FILE:subnetter>)
  add_test(NAME e2e.standard_descriptors
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/standard_descriptors.sh $<TARGET_FILE:subnetter>)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME e2e.command_line
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/command_line.py $<TARGET_FILE:subnetter> ${PROJECT_VERSION})
endif()
