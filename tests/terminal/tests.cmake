# The program in a real terminal: tmux types the keys and reads the screen.
if(CMAKE_CROSSCOMPILING OR WIN32)
  return()
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
foreach(case typical_calculation_row_by_row refusals_reprompt_in_place_and_ctrl_c_restores
             vlsm_dialogs_vanish_colours_and_end_of_input)
  add_test(NAME terminal.${case} COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/terminal_test.py
           $<TARGET_FILE:subnetter> TerminalTest.test_${case})
  set_tests_properties(terminal.${case} PROPERTIES TIMEOUT 300)
endforeach()
