#include "drill/smart_repeat.h"

namespace sb {
void SmartRepeatStep(Drill&, const DrillSettings&) {}
} // namespace sb
