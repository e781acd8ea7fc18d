#include "mainwin/main_form.h"

namespace sb {
void ReadSelection(const MainModel&, DrillSettings&) {}
void ShowSelection(Program&, const DrillSettings&) {}
void update(Program&) {}
void FixSelections(Program&) {}
void SetAllValues(Program&, CheckBox*, std::int16_t, int) {}
void ApplyOperationLock(Program&, CheckBox*, int) {}
void a_click(Program&, int, std::int16_t) {}
void b_click(Program&, int, std::int16_t) {}
void asela_click(Program&) {}
void aseln_click(Program&) {}
void bsela_click(Program&) {}
void bseln_click(Program&) {}
void op_click(Program&, int) {}
void switch_click(Program&, std::int16_t) {}
} // namespace sb
