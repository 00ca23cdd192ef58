#pragma once

#include "printers/Printers.h"
#include "printing/frmDruckAnsicht.h"

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;
class QTextEdit;

// The print dialog: lists the printers, makes the chosen one current and
// prints the pending document named by strDruckDokument.
//
// Opening it: the opener sets strDruckDokument, then calls one of the two
// showModal functions, which return when the dialog has closed (strDruckDokument
// is then empty again):
//   - the report: strDruckDokument = "frmDruckAnsicht";
//     frmDrucken::showModal(this, [this] { return reportData(); });
//   - the instructions: strDruckDokument = "Anleitung";
//     frmDrucken::showModal(this, rtfAnleitung);
//     prints, in portrait, the part of the view's text the user has selected,
//     or the whole document when nothing is selected. The view must stay
//     alive while the dialog is open (it is modal, so it does).
class frmDrucken : public QDialog {
    Q_OBJECT

public:
    static void showModal(QWidget* opener, frmDruckAnsicht::Source report);
    static void showModal(QWidget* opener, const QTextEdit* instructions);

    frmDrucken(QWidget* opener, frmDruckAnsicht::Source report, const QTextEdit* instructions);

    // Closes the dialog at once when nothing is pending.
    void Form_Load();
    void subInitForm(quint8 language);
    void btnDrucken_Click();
    void btnSchliessen_Click();
    void Form_Unload();

    // True once the dialog has been unloaded (closed).
    bool unloaded() const { return m_unloaded; }

    QGroupBox* frmDrucker = nullptr;
    QListWidget* lstDrucker = nullptr;
    QGroupBox* frmButtons = nullptr;
    QPushButton* btnDrucken = nullptr;
    QPushButton* btnSchliessen = nullptr;

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static void open(QWidget* opener, frmDruckAnsicht::Source report, const QTextEdit* instructions);
    bool printReport();
    bool printInstructions();
    // The PDF's title, and the file writer's save dialog captioned as this dialog's print button.
    static printers::PrintJob job(const QString& title);

    frmDruckAnsicht::Source m_report;
    const QTextEdit* m_instructions = nullptr;
    bool m_unloaded = false;
};
