// calculation.cpp -- the reset at the start of every calculation.
#include "calculation.h"

void reset_calculation(Calculation& calculation)
{
    Calculation fresh;
    fresh.first_choice = calculation.first_choice;
    fresh.prefix_method = calculation.prefix_method;
    fresh.mode = calculation.mode;
    fresh.export_answer = calculation.export_answer;
    fresh.quick_answer = calculation.quick_answer;
    fresh.export_count = calculation.export_count;
    fresh.file_name = calculation.file_name;
    fresh.export_file = calculation.export_file;
    calculation = fresh;
}
