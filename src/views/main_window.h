// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "flow/main_form.h"
#include "records/fact_table.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace sb {

class ProblemView;
class PopupWindow;
class DelayWindow;
class Announcer;
class InputRules;
class DrillVoice;
class Speech;
class SoundBesideSpeech;

// The main window "sb12". It holds no rule of its own: every event goes to one member of its
// MainForm, then render() makes each widget mirror the model. Handlers are connected to
// `clicked` only, which the program's own setChecked and setText never emit, so rendering never
// runs one. The feedback pop-up and the delay window are opened and closed here when the model
// enters and leaves those states; the drill clock is a QTimer that follows the model.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What says the drill aloud to a pupil with Read Aloud on; sounds is where the drill's
    // sounds are played, so that a line waits for the sound before it. Without one, Read Aloud
    // is kept for the pupil but nothing is said.
    void setVoice(Speech& speech, const SoundBesideSpeech* sounds);

    // The load of the window: chooses the settings and shows them.
    void load();
    void render();

    // What the keys 1 to kAnswerButtons do: press that answer button, only while it is enabled.
    void pressAnswer(int i);
    void openHelp();
    // The shut-down steps when the program must end now (a signal, a logout): whatever windows
    // are open, settings windows counting as cancelled, the files are written once. The
    // caller then ends the event loop.
    void shutDownNow();
    bool isShutDown() const { return m_shutDown; }
    // One second of the drill clock (its QTimer calls this).
    void clockTick();
    // What the lock timer does every 20 s: the lock kept fresh, failed saves tried again.
    void refreshLocks();

    PopupWindow* popup() const { return m_pop; }
    DelayWindow* delayWindow() const { return m_noshow; }
    QTimer* drillClock() const { return m_timer; }

public slots:
    void setPicture(const QPixmap& picture);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Minimised or hidden, the window puts its drill aside as Pause does.
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // On the second-number controls only, which show no tooltip (the input rules of the whole
    // program are InputRules').
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's parts from the top down, one function each.
    QWidget* buildFrames(QWidget* central);
    QGroupBox* buildOperation(QWidget* central);
    QGroupBox* buildFirstNumbers(QWidget* central);
    QGroupBox* buildSecondNumbers(QWidget* central);
    QGroupBox* buildControls(QWidget* central);
    void connectWindowButtons();
    QGroupBox* buildStart(QWidget* central);
    QLayout* buildProblemRow(QWidget* central, double fit);
    QLayout* buildStatusLine(QWidget* central, double fit);
    QLayout* buildAnswers(QWidget* central, double fit);
    QWidget* buildNotice(QWidget* central);
    void connectTimerAndKeys();
    // Runs handler on every click of b, unless a dialog is in front (the click is then refused
    // and the control shows the model again).
    void onClick(QAbstractButton* b, std::function<void(bool)> handler);
    void after(); // render after a handler and open or close the modal windows
    void syncModalWindows();
    void putAside();
    void showNotice();

    Program& m_program; // handed to the windows this one opens; its data folder holds help
    MainForm m_form;    // every event of this window goes to it
    std::array<QRadioButton*, 7> m_op{};
    QCheckBox* m_switch = nullptr;
    std::array<QCheckBox*, 5> m_a{};
    std::array<QCheckBox*, 11> m_b{};
    QPushButton* m_asela = nullptr;
    QPushButton* m_aseln = nullptr;
    QPushButton* m_bsela = nullptr;
    QPushButton* m_bseln = nullptr;
    QPushButton* m_smartgo = nullptr;
    QPushButton* m_goauto = nullptr;
    QPushButton* m_resultsgo = nullptr;
    QPushButton* m_progressgo = nullptr;
    QPushButton* m_helpgo = nullptr;
    QCheckBox* m_readAloud = nullptr;
    QListWidget* m_DisSet = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_practice = nullptr;
    QPushButton* m_cPause = nullptr;
    QPushButton* m_Reset = nullptr;
    QLabel* m_dsp = nullptr;
    ProblemView* m_dm = nullptr;
    QLabel* m_dsshock = nullptr;
    QLabel* m_dsttime = nullptr;
    QLabel* m_dstotal = nullptr;
    QLabel* m_dsscore = nullptr;
    QLabel* m_DsBgn = nullptr;
    QLabel* m_dsword = nullptr;
    QLabel* m_DsEnd = nullptr;
    QLabel* m_notice = nullptr;
    Announcer* m_announcer = nullptr;
    // What a screen reader heard last of the drill: the problem, with the count of problems
    // ended and of those right before it; nothing while no drill runs.
    struct Heard {
        QString shown; // as ProblemView::spokenText gives it
        QString problem;
        std::int32_t total = 0;
        std::int32_t score = 0;
    };
    std::optional<Heard> m_heard;
    void sayDrill(const MainModel& m);
    void renderPupil(const MainModel& m);
    // Read aloud: the line said now, and the drill clock held while a posed problem is read
    // (the clock start it holds).
    void readAloud(const MainModel& m, const QString& line, bool problemPosed = false);
    DrillVoice* m_voice = nullptr;
    Speech* m_speech = nullptr;
    std::optional<unsigned> m_clockHeld;
    QString m_pressed; // the answer pressed last
    QString m_pupil;   // the current pupil as last shown; null before the first render
    bool m_popupSaid = false;
    std::array<QPushButton*, kAnswerButtons + 1> m_but{};
    QTimer* m_timer = nullptr;
    unsigned m_clockStarts = 0;
    PopupWindow* m_pop = nullptr;
    DelayWindow* m_noshow = nullptr;
    QWidget* m_help = nullptr; // made by the windows module at the first help
    int m_closeTries = 0;
    bool m_shutDown = false;
    std::unique_ptr<InputRules> m_input;
    // The picture shown in dsp, by its QPixmap::cacheKey (the picture before scaling), and
    // each picture shown so far scaled to dsp's size, by the same key (five at most).
    qint64 m_pictureKey = 0;
    std::map<qint64, QPixmap> m_scaledPictures;
};

} // namespace sb
