// program_end.cpp -- linked into every test program: where the program's code
// would end the process, it throws ProgramEnded instead.
#include "console/console.h"
#include "test_data.h"

namespace {

void throw_program_ended(int status)
{
    throw ProgramEnded { status };
}

[[maybe_unused]] const bool ends_by_throwing = (set_program_end(throw_program_ended), true);

}
