subnetter_add_test(e2e_tests e2e/sessions_test.cpp)
