
# Runs the built program on the host, so not in a cross build.
if(CMAKE_CROSSCOMPILING OR WIN32)
  return()
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME modes.subnets_agree_with_ipaddress
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/check_subnets.py $<TARGET_FILE:subnetter>)
set_tests_properties(modes.subnets_agree_with_ipaddress PROPERTIES TIMEOUT 300)
