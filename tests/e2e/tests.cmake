# Runs the program with POSIX pipes, FIFOs, signals and limits, so not in a cross build; there the recorded
# sessions are replayed by windows/run_sessions.sh instead.
if(NOT (CMAKE_CROSSCOMPILING OR WIN32))
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  # The random sessions in four tests, which run side by side.
  foreach(part sessions cut "random 0" "random 6" "random 12" "random 18" exports descriptors)
    separate_arguments(arguments UNIX_COMMAND "${part}")
    string(REPLACE " " "_" name "${part}")
    add_test(NAME e2e.replay.${name} COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/replay.py
             $<TARGET_FILE:subnetter> ${arguments})
    set_tests_properties(e2e.replay.${name} PROPERTIES TIMEOUT 600)
  endforeach()
  add_test(NAME e2e.ways_out COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/ways_out.py $<TARGET_FILE:subnetter>)
  # Built without the real-time signals, the program leaves them at their default, which ends it saving nothing.
  if(NOT "SUBNETTER_HAVE_REALTIME_SIGNALS=1" IN_LIST subnetter_features)
    set_tests_properties(e2e.ways_out PROPERTIES ENVIRONMENT SUBNETTER_WITHOUT_REALTIME_SIGNALS=1)
  endif()
  add_test(NAME e2e.command_line
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/command_line.py $<TARGET_FILE:subnetter> ${PROJECT_VERSION})
endif()
