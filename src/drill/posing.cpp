#include "drill/posing.h"

namespace sb {
bool NextProblem(Program&)
{
    return false;
}
void DrawProblem(Program&, std::int16_t, std::int16_t) {}
std::string answerTextOf(const FactRec&)
{
    return {};
}
ProblemLayout layoutProblem(double, double, double, double, double, const ProblemDrawing&)
{
    return {};
}
} // namespace sb
