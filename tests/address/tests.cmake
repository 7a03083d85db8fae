subnetter_add_test(address_test address/address_test.cpp)
