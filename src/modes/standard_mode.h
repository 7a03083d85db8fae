// standard_mode.h -- the equal subnets of the classful network, listed in order.
#pragma once

#include "calculation.h"

// Lists all subnets, or the range the user selects, from the classful network
// address on: network, gateway, first host, last host and broadcast of each.
void standard_mode(Calculation& calculation);
