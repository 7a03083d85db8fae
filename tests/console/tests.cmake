subnetter_add_test(console_test console/console_test.cpp)
