// quick_export.h -- the standard mode's listing of every subnet, written to the export file in large blocks.
#pragma once

#include "calculation.h"

// With the running address on the classful network address and the export
// file open: the heading, address lines and rule of every subnet, formed as
// the listing on screen forms them, but into large blocks for the file.
// Stops early once a write has failed (the closing step reports it).
void export_every_subnet(Calculation& calculation);
