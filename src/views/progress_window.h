// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <filesystem>
#include <string>

#include "flow/progress.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPagedPaintDevice;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace sb {

struct Program;
class DaysChart;

// The Progress window: the pupil on display, per operation, from the answer history — the
// fluency grid (an accessible 20 x 10 table), the wrong answers chosen most often, and the days
// as a chart with its figures in a table beside it. Modal, opened between drills; made when
// first opened, with Qt Charts loaded then. Reads the history and writes nothing but the
// teacher's fluency threshold into it (only into a history that is already there).
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(Program& program, QWidget* parent = nullptr);
    // Another pupil's progress (pupil: her trimmed name), as a teacher reads it from the Class
    // Overview: her history as it is on the disk, taking no lock (she may be drilling at another
    // computer), and writing nothing into it (a fluent time chosen here only shows).
    ProgressWindow(Program& program, const std::string& pupil, int operation, QWidget* parent);
    ~ProgressWindow() override;

    const ProgressModel& model() const { return m_model; }
    void setOperation(int operation);
    void setPeriod(Period period);
    void setFluentSeconds(double seconds);

    // The window's figures on pages of a printer or a PDF writer.
    void paintDocument(QPagedPaintDevice& device);
    bool savePdf(const QString& path);
    // Every answer of the pupil (all operations) as CSV.
    bool saveCsv(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override; // Enter presses the focused button

private:
    void buildControls();
    void connectExports(QPushButton* csv, QPushButton* pdf, QPushButton* print);
    QWidget* buildGridTab();
    QWidget* buildTimeTab();
    std::filesystem::path historyFile() const;
    void reload();
    void render();
    void renderGrid();
    void renderDays();
    void noteSaved(bool saved, const QString& path);
    QString suggestedFile(const QString& suffix) const;

    Program& m_program;
    ProgressModel m_model;
    bool m_readOnly = false;
    std::int64_t m_now = 0;
    std::int32_t m_offset = 0;
    QComboBox* m_operation = nullptr;
    QComboBox* m_period = nullptr;
    QDoubleSpinBox* m_fluent = nullptr;
    QLabel* m_status = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_legend = nullptr;
    QListWidget* m_confusions = nullptr;
    QListWidget* m_practise = nullptr;
    QLabel* m_week = nullptr;
    QLabel* m_due = nullptr;
    DaysChart* m_chart = nullptr;
    QTableWidget* m_days = nullptr;
};

} // namespace sb
