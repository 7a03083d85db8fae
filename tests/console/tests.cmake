subnetter_add_test(console_test console/answer_reader_test.cpp console/console_test.cpp console/start_test.cpp)
