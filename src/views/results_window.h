// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QFont>

#include "flow/results_table.h"

class QAction;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QScrollBar;

namespace sb {

struct Program;
class ResultsSurface;

// The Results table "Resulttable": the pupil's results with every fact of the current fact
// table, in one of three views. Modal; opened while no drill runs, so the table is a snapshot.
// The table is painted onto an image once when the window opens and again only when the view
// changes; repaints and scrolling show that image. Beyond the buttons, the table's context menu
// prints the view shown, saves it as PDF, or saves every fact as CSV (also Ctrl+P, Ctrl+S).
class ResultsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultsWindow(Program& program, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    const ResultsModel& model() const { return m_model; }
    // How many times the table was painted onto its image.
    unsigned imageDraws() const { return m_imageDraws; }
    const Drill& drill() const;

    // The three views, headed by the owner's name and the operation, with what the rows and
    // columns are and a key, on one page of a printer or a PDF writer. Answers the size of
    // type used, in points.
    double paintDocument(QPagedPaintDevice& device) const;
    // Write the file whole or leave the old one in place; a failure is told in the main
    // window's notice. False on failure.
    bool savePdf(const QString& path);
    bool saveCsv(const QString& path);

    // "Ann Lee, Multiplication": whose answers the table holds, and of what.
    QString heading() const;
    int tableOperation() const;

protected:
    void keyPressEvent(QKeyEvent* event) override; // Enter presses the focused button

private:
    void layoutControls();
    void connectControls();
    void render();
    void paintImage();
    void print();
    void askPdf();
    void askCsv();
    enum class FileKind { Pdf, Csv };
    void askSave(FileKind kind);
    QString suggestedFile(const QString& suffix) const;
    void noteSaved(bool saved, const QString& path);

    Program& m_program;
    ResultsModel m_model;
    QFont m_font;
    unsigned m_imageDraws = 0;
    unsigned m_imageDrawnFor = 0; // the model's draw the image shows
    QWidget* m_hold = nullptr;
    ResultsSurface* m_p = nullptr;
    QScrollBar* m_v = nullptr;
    QPushButton* m_per = nullptr;
    QPushButton* m_rat = nullptr;
    QPushButton* m_NWrong = nullptr;
    QPushButton* m_tclose = nullptr;
    std::array<QLabel*, 3> m_lab{};
    QAction* m_printAction = nullptr;
    QAction* m_pdfAction = nullptr;
    QAction* m_csvAction = nullptr;
};

} // namespace sb
