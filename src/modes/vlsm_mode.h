// vlsm_mode.h -- consecutive subnets of non-increasing size carved one per pass.
#pragma once

#include "calculation.h"

// Carves subnets from the current network until the user stops or the
// starting network is full, counting used and remaining addresses.
void vlsm_mode(Calculation& calculation);
