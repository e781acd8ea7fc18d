// SPDX-License-Identifier: GPL-3.0-or-later

#include <QSettings>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTranslator>

#include <fstream>
#include <variant>

#include "flow/captions.h"
#include "flow/class_overview.h"
#include "platform/assets_qt.h"
#include "platform/command_line_qt.h"
#include "platform/first_paint_qt.h"
#include "support/ui_support.h"
#include "teach/status_panel.h"
#include "views/common_qt.h"
#include "views/core_texts_qt.h"
#include "views/messages_qt.h"
#include "views/popup_window.h"
#include "views/progress_window.h"
#include "views/results_window.h"
#include "views/translation_qt.h"
#include "views/window_place_qt.h"

namespace sb {
namespace {

using test::TempDir;

// Typos and stray words are refused with a reason; Qt's own options and the program's pass.
// A lab's data folder set once in the administrator's configuration: used from the menu entry
// (--user-data) and without options; --data-dir still goes first. A teacher's picture in the
// data folder wins over the program's own.
TEST(DataFolder, CommandLineRefusesWhatItDoesNotKnowTheLabsFolderIsTheUsersAndItsPictureWins)
{
    const TempDir dir;
    const QString here = QString::fromStdString(dir.path().string());
    std::ofstream(dir.path() / "file");
    const std::pair<QStringList, const char*> rows[] = {
        {{"--data-dri", "x"}, "data-dri"},
        {{"--bogus"}, "bogus"},
        {{"pupils"}, "pupils"},
        {{"--data-dir", ""}, "--data-dir"},
        {{"--data-dir", "x", "--user-data"}, "not both"},
        {{"--data-dir", here + "/file/a"}, "Not a directory"},
        {{"-platform", "offscreen", "-style", "fusion", "-reverse", "--lang", "de"}, nullptr},
    };
    for (const auto& [args, error] : rows) {
        const auto read = readCommandLine(QStringList{"sumblitz"} + args, dir.path());
        const auto* refused = std::get_if<CommandLineError>(&read);
        EXPECT_EQ(refused != nullptr && refused->message.contains(error), error != nullptr)
            << args.join(' ').toStdString();
    }
    const QString conf = here + "/sumblitz.conf";
    std::ofstream(conf.toStdString())
        << "[Lab]\nDataFolder = " << (dir.path() / "class 3b").string() << "\nShared = true\n";
    const Configured lab = readConfiguration(QSettings(conf, QSettings::IniFormat));
    const auto folder = [&](const QStringList& args) {
        const auto read = readCommandLine(QStringList{"sumblitz"} + args, dir.path(), lab);
        const auto* line = std::get_if<CommandLine>(&read);
        return line != nullptr && line->shared ? line->dataDir.filename().string() : "";
    };
    EXPECT_EQ(std::vector({folder({}), folder({"--user-data"}), folder({"--data-dir", "own"})}),
              std::vector<std::string>({"class 3b", "class 3b", "own"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "class 3b")) << "made when missing";
    EXPECT_FALSE(findAssetIn(here, "logo.jpg").isEmpty()); // the built one, beside the tests
    std::ofstream(dir.path() / "logo.jpg");
    EXPECT_EQ(assetsIn(here)(" logo.jpg "), here + "/logo.jpg");
}

// A screen reader walks a page by its outline: its headings and links, each chosen with Enter.
// The files page names the data folder as a link.
TEST(Help, TheOutlineLeadsToTheHeadingsAndLinksAndTheFilesPageLinksTheDataFolder)
{
    HelpWindow help(QStringLiteral("/home/ann/Pupils & Co"));
    help.showPage();
    auto* outline = help.findChild<QListWidget*>("helpOutline");
    auto* text = help.findChild<QTextBrowser*>("helpText");
    const auto link = outline->findItems("Link: Auto Teach", Qt::MatchExactly);
    ASSERT_FALSE(link.empty());
    emit outline->itemActivated(link[0]);
    EXPECT_EQ(text->source().fileName(), "auto_teach.html");
    const auto heading = outline->findItems("Heading: Auto Teach", Qt::MatchExactly);
    ASSERT_EQ(heading.size(), 1) << "the outline follows the page shown";
    emit outline->itemActivated(heading[0]);
    EXPECT_EQ(text->textCursor().block().text(), "Auto Teach");
    help.showPage(QStringLiteral("files.html"));
    EXPECT_TRUE(text->toHtml().contains("file:///home/ann/Pupils%20&amp;%20Co\">"))
        << text->toHtml().toStdString();
}

// Every label that colours its own text or background reads at 4.5:1 or better, on a light, a
// dark (Fusion's dark colours) and a high-contrast (yellow on black) desktop; the red line of a
// window already open follows a theme switched under it.
TEST(Contrast, EveryColouredLabelReadsUnderEveryPalette)
{
    const auto readable = [](QWidget& window, const char* label) {
        const QPalette p = test::find<QLabel>(window, label)->palette();
        return contrastRatio(p.color(QPalette::WindowText), p.color(QPalette::Window));
    };
    const QPalette before = QApplication::palette();
    const QColor white(Qt::white), black(Qt::black), yellow(Qt::yellow), grey(53, 53, 53);
    const std::pair<const char*, QPalette> palettes[] = {
        {"default", before},
        {"dark", QPalette(white, grey, QColor(80, 80, 80), black, grey, white, white, grey, grey)},
        {"high contrast",
         QPalette(yellow, black, white, black, black, yellow, white, black, black)}};
    test::Ui open;
    for (const auto& [name, palette] : palettes) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        EXPECT_GE(readable(open.main, "notice"), 4.5) << name << ", switched while open";
        for (const std::int16_t teach : {std::int16_t{0}, std::int16_t{1}}) {
            test::Ui f;
            f.p.cur().autoTeach = teach; // the pupil the Student Data window shows
            PopupWindow pop(f.mainForm, {}, &f.main);
            StudentWindow student(f.p, {}, &f.main);
            ResultsWindow results(f.p, &f.main);
            const std::pair<QWidget*, const char*> labels[] = {
                {&f.main, "dsshock"}, {&f.main, "dsttime"}, {&f.main, "dstotal"},
                {&f.main, "dsscore"}, {&f.main, "dsword"},  {&f.main, "notice"},
                {&pop, "ms"},         {&student, "dsauto"}, {&results, "lab0"},
                {&results, "lab1"}};
            for (const auto& [window, label] : labels) {
                EXPECT_GE(readable(*window, label), 4.5) << name << " " << label << " " << teach;
            }
        }
    }
    QApplication::setPalette(before);
}

// The window comes back where it was closed; a place no screen shows any more is not used.
TEST(WindowPlace, RestoredOnlyWhereAScreenShowsIt)
{
    const TempDir dir;
    QSettings settings(QString::fromStdString((dir.path() / "a.conf").string()),
                       QSettings::IniFormat);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint at :
         {free.topLeft() + QPoint(40, 50), free.bottomRight() + QPoint(2000, 2000)}) {
        QWidget closed, opened;
        closed.setGeometry(QRect(at, QSize(300, 200)));
        saveWindowPlace(closed, settings);
        restoreWindowPlace(opened, settings);
        EXPECT_EQ(opened.geometry() == closed.geometry(), free.contains(at));
        EXPECT_TRUE(free.intersects(opened.geometry()));
    }
}

// Work put off until the window is on screen runs once, after its first paint and not before,
// and not at all for a window gone before it painted.
TEST(FirstPaint, RunsOnceAfterThePaintAndNeverForAWindowGoneBefore)
{
    int ran = 0;
    bool paintedFirst = false;
    QWidget window;
    afterFirstPaint(window, [&] {
        ++ran;
        paintedFirst = !window.visibleRegion().isEmpty();
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran > 0; }, 2000));
    EXPECT_TRUE(paintedFirst);
    window.repaint(); // painted again at once; a second call would be queued now
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);

    auto* gone = new QWidget;
    afterFirstPaint(*gone, [&] { ++ran; });
    gone->show();
    gone->repaint();
    delete gone;
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 1);
}

// The translation chosen with --lang; the core's captions put into it phrase by phrase, with
// the status panel's columns kept and names left as they are, even a name that is a word of the
// captions; its messages put into words whole.
TEST(Translation, GermanCaptionsKeepTheirColumnsAndMessagesAreWholeSentences)
{
    auto& app = *QCoreApplication::instance();
    EXPECT_EQ(installTranslations(app, "C"), QString());
    // The history's words stay text in a spreadsheet of that language ("falsch" is FALSE in a
    // German one, "faux" in a French one).
    // German last: the test goes on in German.
    const QStringList booleans{"WAHR", "FALSCH", "VRAI", "FAUX", "VERDADERO", "FALSO"};
    for (const char* language : {"fr", "es", "de"}) {
        ASSERT_EQ(installTranslations(app, language), language);
        for (const Phrase word :
             {Phrase::CsvRight, Phrase::CsvWrong, Phrase::CsvOn, Phrase::CsvOff}) {
            const QString w = phraseText(word).toUpper();
            EXPECT_FALSE(booleans.contains(w)) << language << " " << w.toStdString();
        }
    }
    DrillSettings defaults = test::originalDefaults("Default");
    const StatusPanel panel = StatusText(defaults);
    DrillSettings time = test::originalDefaults("Time");
    DrillSettings mult = test::originalDefaults("Anna");
    mult.operation = OpMult;
    mult.firstRange = {0, 1, 0, 1, 0};
    mult.secondNum.fill(0);
    PupilOverview unread;
    unread.historyUnread = true;
    for (const auto& [core, shown] : std::initializer_list<std::pair<Caption, const char*>>{
             {panel.lines[0], "Sch\u00fcler  Default"},
             {panel.lines[2], "Lernen   Aus"},
             {panel.lines[7], "Zeitlimit  10"},
             {timerCaption(5), "Uhr: 5 s"},
             {StatusText(time).title, "Time:"},
             {OverviewText(unread, OverviewColumn::LastDrill), "Verlauf nicht lesbar"},
             {LevelText(mult), "Mal, 1-10, 14-16 und keine"}}) {
        EXPECT_EQ(showCaption(core), QString::fromUtf8(shown)) << English(core);
    }
    // A teacher's spreadsheet in her language: the columns and words of the history's CSV
    // (a time-out of 7 x 8, Auto Teach off) and the overview's.
    AnswerRow timeOut;
    timeOut.operation = OpMult, timeOut.first = 7, timeOut.second = 8, timeOut.answer = "56";
    timeOut.outcome = AnswerOutcome::TimeOut;
    EXPECT_EQ(
        HistoryCsv(
            "Ann", std::span(&timeOut, 1), [](std::int64_t) { return 0; }, csvWords),
        "\xEF\xBB\xBFSch\u00fcler,Zeit,\u00dcbung begonnen,Rechenart,Aufgabe,Antwort,gew\u00e4hlt,"
        "Ergebnis,Millisekunden,Lernweg,erste Zahlen,zweite Zahlen\r\n"
        "Ann,1970-01-01 00:00:00,1970-01-01 00:00:00,Mal,7 \u00d7 8,56,,Zeit um,0,aus,keine,"
        "keine\r\n");
    EXPECT_TRUE(ClassOverviewCsv({}, csvWords)
                    .starts_with("\xEF\xBB\xBFSch\u00fcler,Rechenart und Stufe,"));
    // The program's messages, each with what stands in it; a name holding "%2" stays a name.
    const Message pc12{MessageId::HolderSince, {"PC-12", "15:02"}};
    for (const auto& [message, shown] : std::initializer_list<std::pair<Message, const char*>>{
             {{MessageId::BecauseListBusy, {{MessageId::PupilNotAdded, {"Eve%2"}}, pc12}},
              "Eve%2 wurde nicht hinzugef\u00fcgt: Die Klassenliste wird gerade an PC-12 seit "
              "15:02 ge\u00e4ndert. Versuch es noch einmal, um darauf zu warten, oder klick auf "
              "Abbrechen."},
             {{MessageId::BecauseRemovedElsewhere, {{MessageId::SettingsNotStored, {"Ann"}}}},
              "Die Einstellungen von Ann wurden nicht gespeichert: Ein anderer Computer hat "
              "diesen Sch\u00fcler entfernt."},
             {{MessageId::BecauseFileFailed,
               {{MessageId::PupilNotRenamed, {"Ann"}}, "StdDat.Xrx", "No space left on device"}},
              "Ann wurde nicht umbenannt (StdDat.Xrx): No space left on device."}}) {
        EXPECT_EQ(messageText(message), QString::fromUtf8(shown)) << shown;
    }
    test::Ui f;
    // The main window's line, in the teacher's language, every trouble in it.
    f.p.main.notice = {MessageId::List,
                       {{MessageId::PupilInUse, {"Ann", pc12}},
                        {MessageId::PupilTakenOver, {"Bob"}},
                        MessageId::FolderUnreachable,
                        {MessageId::HistoryNotSaved, {"Ann.history.sqlite"}}}};
    f.main.render();
    EXPECT_EQ(test::find<QLabel>(f.main, "notice")->toolTip(),
              QString::fromUtf8(
                  "Ann arbeitet gerade an PC-12 seit 15:02; Bob wurde von einem anderen Computer "
                  "\u00fcbernommen: Die Ergebnisse werden hier nicht mehr gespeichert; Der "
                  "Datenordner ist nicht erreichbar: Gleich wird wieder gespeichert; Verlauf wurde "
                  "nicht gespeichert (Ann.history.sqlite)"));
    f.p.main.notice = {};
    setName(f.p.cur(), "Ann");
    ProgressWindow progress(f.p);
    EXPECT_EQ(progress.windowTitle(), QString::fromUtf8("Fortschritt: Ann"));
    EXPECT_EQ(test::find<QTableWidget>(progress, "fluencyGrid")->item(0, 0)->toolTip(),
              QString::fromUtf8("Zeile 1, Spalte 1: Nie gefragt"));
    HelpWindow help;
    help.showPage();
    EXPECT_TRUE(help.findChild<QTextBrowser*>("helpText")->toPlainText().contains("So geht"))
        << "German help";
    qDeleteAll(app.findChildren<QTranslator*>()); // each one leaves the application as it goes
    QLocale::setDefault(QLocale::c());
    app.setProperty("sumblitzLanguage", QVariant());
}

} // namespace
} // namespace sb
