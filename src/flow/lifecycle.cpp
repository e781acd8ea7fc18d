#include "flow/lifecycle.h"

#include "flow/answering.h"
#include "flow/captions.h"
#include "flow/main_form.h"
#include "students/fact_file.h"
#include "students/record_files.h"

namespace sb {

void noteSave(Program& p, bool saved, std::string_view caption)
{
    if (!saved) {
        p.main.notice = std::string(caption);
    } else if (p.main.notice == caption) {
        p.main.notice.clear();
    }
}

DataDir dataDirOf(const Program& p)
{
    return DataDir{p.services.files, p.services.dataDir};
}

void ReadFactFile(Program& p)
{
    switch (ReadFactFile(p.drill, p.cur(), dataDirOf(p))) {
    case FactFileRead::Off:
        break;
    case FactFileRead::Missing:
        p.run.drillResumable = 0;
        break;
    case FactFileRead::Loaded:
        p.run.drillResumable = 1;
        break;
    }
}

bool WriteFactFile(Program& p)
{
    const bool saved = WriteFactFile(p.drill, p.cur(), dataDirOf(p));
    noteSave(p, saved, kResultsNotSaved);
    return saved;
}

void ProgramLoad(Program& p)
{
    p.flags.smartFromStudent = 0;
    p.flags.studentFromSmart = 0;
    p.run.defaultFileUnread = !LoadStartupSettings(p.settings, dataDirOf(p));
    ReadFactFile(p);
    // The lock flag starts clear before the selection is shown, not after: settings saved with
    // "10 Sub" lock the first-number boxes while they are shown, and clearing the flag after
    // that would leave them greyed out for good once another operation is chosen.
    p.flags.firstLocked = 0;
    const DrillSettings shown = p.cur();
    ShowSelection(p, shown);

    p.main.cPause = false;
    p.main.resultsgo = false;
    p.main.Reset = false;
    for (int i = 1; i <= 3; ++i) {
        p.main.but[static_cast<std::size_t>(i)].enabled = false;
    }

    // The constant tables are compiled in; what remains of this step is the drill state. It
    // also clears the drillResumable that ReadFactFile may have set, so that the first Start
    // after start-up always builds a new drill.
    p.drill.repeatDelay = -1;
    p.run.drillResumable = 0;

    ShowStatus(p);
    p.drill.repeatCount = 0;
    ResetCounters(p.drill);
    p.settings.startSettings = p.settings.curSettings;
}

bool ProgramClose(Program& p)
{
    ReadSelection(p.main, p.cur());
    static_cast<void>(RunAutoTeachStep(p));
    const bool settingsSaved =
        SaveExitSettings(p.settings, p.run.defaultFileUnread, dataDirOf(p));
    noteSave(p, settingsSaved, kSettingsNotSaved);
    const bool factsSaved = WriteFactFile(p);
    return settingsSaved && factsSaved;
}

} // namespace sb
