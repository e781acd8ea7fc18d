#include "mainwin/run_control.h"

namespace sb {
void StartDrill(Program&) {}
void ClockTick(Program&) {}
void PauseDrill(Program&) {}
void NewDrill(Program&) {}
void EndDrill(Program&) {}
void SetIdle(Program&, std::int16_t) {}
void ShowDelay(Program&) {}
void deltime_tick(Program&) {}
} // namespace sb
