#include "teach/auto_teach.h"

namespace sb {
std::int16_t AutoTeachStep(Program&)
{
    return 1;
}
bool RowMastered(const Drill&, std::int16_t)
{
    return false;
}
} // namespace sb
