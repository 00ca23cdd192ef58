#pragma once

#include "printers/Printers.h"
#include "printing/frmDruckAnsicht.h"

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;
class QTextEdit;

// The print dialog: lists the printers, makes the chosen one current and
// prints the document it was opened for, with its captions in the opener's
// language (1..5). One of the two showModal functions opens it and returns
// when it has closed:
//   - the report: frmDrucken::showModal(this, language, [this] { return reportData(); });
//   - the instructions: frmDrucken::showModal(this, language, rtfAnleitung);
//     prints, in portrait, the part of the view's text the user has selected,
//     or the whole document when nothing is selected. The view must stay
//     alive while the dialog is open (it is modal, so it does).
// Opened with neither (an empty report source, no view), it has nothing to print.
class frmDrucken : public QDialog {
    Q_OBJECT

public:
    static void showModal(QWidget* opener, quint8 language, frmDruckAnsicht::Source report);
    static void showModal(QWidget* opener, quint8 language, const QTextEdit* instructions);

    frmDrucken(QWidget* opener, quint8 language, frmDruckAnsicht::Source report, const QTextEdit* instructions);

    // What a test cannot see on the controls; defined below.
    class TestSeam;

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Closes the dialog at once when there is nothing to print.
    void Form_Load();
    void subInitForm(quint8 language);
    void btnDrucken_Click();
    void btnSchliessen_Click();
    static void open(QWidget* opener, quint8 language, frmDruckAnsicht::Source report, const QTextEdit* instructions);
    bool printReport();
    bool printInstructions();
    // The PDF's title, and the file writer's save dialog captioned as this dialog's print button.
    printers::PrintJob job(const QString& title) const;

    QGroupBox* m_frmDrucker = nullptr;
    QListWidget* m_lstDrucker = nullptr;
    QGroupBox* m_frmButtons = nullptr;
    QPushButton* m_btnDrucken = nullptr;
    QPushButton* m_btnSchliessen = nullptr;
    quint8 m_bytSprachNr;
    frmDruckAnsicht::Source m_report;
    const QTextEdit* m_instructions = nullptr;
    // True once the dialog has been unloaded (closed).
    bool m_unloaded = false;
};

// What the dialog prints, as it was opened: no control shows it.
class frmDrucken::TestSeam {
public:
    explicit TestSeam(const frmDrucken& dialog)
        : m_dialog(dialog)
    {
    }

    bool printsReport() const { return bool(m_dialog.m_report); }
    const QTextEdit* instructions() const { return m_dialog.m_instructions; }

private:
    const frmDrucken& m_dialog;
};
