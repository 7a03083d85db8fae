# The program in a real terminal: tmux types the keys and reads the screen.
if(CMAKE_CROSSCOMPILING OR WIN32)
  return()
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
foreach(case typical_calculation_row_by_row refusals_erase_what_was_drawn signals_keep_the_export_and_restore_the_terminal
             ctrl_z_stops_with_the_terminal_as_before_and_fg_goes_on vlsm_dialogs_vanish_colours_and_end_of_input
             started_in_the_background_under_bash_takes_the_terminal_at_fg a_resize_has_rows_counted_at_the_new_width)
  add_test(NAME terminal.${case} COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/terminal_test.py
           $<TARGET_FILE:subnetter> TerminalTest.test_${case})
  set_tests_properties(terminal.${case} PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
endforeach()
# Sessions typed key by key on a pseudo-terminal, every byte the terminal receives kept beside the piped ones.
# Linux's /proc tells when the program waits for the next key; elsewhere the test skips itself.
add_test(NAME terminal.typed_sessions_byte_for_byte COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/typed_sessions.py
         $<TARGET_FILE:subnetter>)
set_tests_properties(terminal.typed_sessions_byte_for_byte PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77)
