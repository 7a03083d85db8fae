// quick_export.h -- the standard mode's listing of every subnet, written to the export file in large blocks.
#pragma once

#include "calculation.h"

// With the running address on the classful network address and the export
// file open: the heading, address lines and rule of every subnet, byte for
// byte as the listing forms them, but formed in large blocks straight for the
// file. Stops early once a write has failed (the closing step reports it).
void export_every_subnet(Calculation& calculation);
