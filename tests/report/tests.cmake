subnetter_add_test(report_test report/report_test.cpp)
