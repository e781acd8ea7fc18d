// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <vector>

#include "flow/class_overview.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;

namespace sb {

struct Program;

// The class overview: every pupil of "StdDat.Xrx" in one table, read only, sorted by any
// column (a click on its header, or the Sort by box and Descending from the keyboard). Opened
// from the Student Data window; made when opened. Saves as CSV or PDF, prints.
class ClassOverviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ClassOverviewWindow(Program& program, QWidget* parent = nullptr);

    const std::vector<PupilOverview>& rows() const { return m_rows; }
    void paintDocument(QPagedPaintDevice& device) const;
    bool savePdf(const QString& path);
    bool saveCsv(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override; // Enter presses the focused button

private:
    void sortBy(OverviewColumn column, bool descending);
    void buildTable();
    void connectExports(QPushButton* csv, QPushButton* pdf, QPushButton* print);
    void render();
    void noteSaved(bool saved, const QString& path);
    QString ask(const QString& title, const QString& filter, const QString& suffix);

    Program& m_program;
    std::vector<PupilOverview> m_rows;
    OverviewColumn m_column = OverviewColumn::Name;
    bool m_descending = false;
    QTableWidget* m_table = nullptr;
    QComboBox* m_sort = nullptr;
    QCheckBox* m_down = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace sb
