subnetter_add_test(options_menu_test ${CMAKE_CURRENT_LIST_DIR}/options_menu_test.cpp)
