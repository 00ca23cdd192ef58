// Test helper: starts the real frame window as the program does, with the
// folder of this executable as the program folder. It prints the language
// shown after start-up; given a language name it then chooses it and presses
// "Go"; given "+instructions" it also opens the instructions window and prints
// how many characters of text it shows. Tests run it as another user, since
// root ignores folder permissions.
#include "app/AppIdentity.h"
#include "app/frmMDI.h"
#include "grid/frmMain.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>
#include <cstdio>

namespace {

// -1 when no instructions window came up.
qsizetype shownInstructions()
{
    for (QWidget* window : QApplication::allWidgets()) {
        if (window->objectName() != QLatin1String("frmAnleitung"))
            continue;
        const auto* view = window->findChild<QTextEdit*>(QStringLiteral("rtfAnleitung"));
        return view ? view->toPlainText().size() : 0;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setApplicationIdentity();
    const QStringList arguments = QApplication::arguments().mid(1);
    ui::MsgBoxRecorder boxes;
    int shownLanguages = 0;
    {
        frmMDI frame(QCoreApplication::applicationDirPath());
        QComboBox* list = frmMDI::TestSeam(frame).main()->cboSprache();
        std::printf("started=%s\n", qPrintable(list->currentText()));
        for (const QString& argument : arguments) {
            if (argument == QLatin1String("+instructions")) {
                frmMDI::TestSeam(frame).main()->findChild<QPushButton*>(QStringLiteral("btnAnleitung"))->click();
                QApplication::processEvents();
                std::printf("instructions=%lld\n", static_cast<long long>(shownInstructions()));
                continue;
            }
            list->setCurrentIndex(list->findText(argument));
            frmMDI::TestSeam(frame).main()->findChild<QPushButton*>(QStringLiteral("btnSpracheGo"))->click();
            std::printf("chosen=%s\n", qPrintable(list->currentText()));
        }
        shownLanguages = list->count();
    }
    for (const ui::MsgBoxCall& box : boxes.calls)
        std::printf("box=%s: %s\n", qPrintable(box.title), qPrintable(box.text));
    std::printf("languages=%d boxes=%d\n", shownLanguages, int(boxes.calls.size()));
    return 0;
}
