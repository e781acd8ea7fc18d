#include "students/fact_file.h"

namespace sb {
void ReadFactFile(Program&) {}
bool WriteFactFile(Program&)
{
    return true;
}
} // namespace sb
