// options_menu.h -- the options menu that opens every calculation.
#pragma once

#include "calculation.h"

// Asks the five questions in order and leaves valid answers in the fields:
// the input form, the prefix method, the mode, export and quick export (asked
// only for an exported standard mode, else NO). Ends with a cleared screen.
void options_menu(Answer& first_choice, Answer& prefix_method, Answer& mode, Answer& export_answer, Answer& quick_answer);
