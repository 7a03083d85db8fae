subnetter_add_test(dialogs_test
  ${CMAKE_CURRENT_LIST_DIR}/prefix_derivation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mask_entry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_sessions_test.cpp)
