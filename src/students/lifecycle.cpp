#include "students/lifecycle.h"

namespace sb {
void ProgramLoad(Program&) {}
bool ProgramClose(Program&)
{
    return true;
}
} // namespace sb
