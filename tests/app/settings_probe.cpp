// Test helper: starts the real frame window as the program does, with the
// folder of this executable as the program folder. It prints the language
// shown after start-up; given a language name it then chooses it and presses
// "Go". Tests run it as another user, since root ignores folder permissions.
#include "app/frmMDI.h"
#include "grid/frmMain.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::MsgBoxRecorder boxes;
    int shownLanguages = 0;
    {
        frmMDI frame(QCoreApplication::applicationDirPath());
        QComboBox* list = frame.main()->cboSprache;
        std::printf("started=%s\n", qPrintable(list->currentText()));
        if (argc > 1) {
            list->setCurrentIndex(list->findText(QString::fromLocal8Bit(argv[1])));
            frame.main()->btnSpracheGo->click();
            std::printf("chosen=%s\n", qPrintable(list->currentText()));
        }
        shownLanguages = list->count();
    }
    std::printf("languages=%d boxes=%d\n", shownLanguages, int(boxes.calls.size()));
    return 0;
}
