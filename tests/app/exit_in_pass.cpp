// Exit clicked while a filter pass lets window events run must end the program at once, with the
// real ending: nothing of the pass may run after it. CTest fails the run on "pass went on".
#include "app/Forms.h"
#include "app/Startup.h"
#include "clipboard/ClipboardOwner.h"
#include "tests/support/Controls.h"
#include "tests/support/Fixture.h"
#include "ui/Form1.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QFile file(dir.filePath("data.dat"));
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write("##" + Fixture::numberedLines("term", 2000, " n.Entry."));
    file.close();

    Startup startup;
    ClipboardOwner clipboard{QString()};
    Forms forms(startup.store(), clipboard, ProgramEnds::immediate(clipboard));
    if (!startup.Form_Load(forms, dir.path()))
        return 2;
    Form1* main = forms.form1();
    Controls::txtSearch(main)->setText(QStringLiteral("term1"));

    // Runs at the pass's first event run, as a click made while the list is being rebuilt.
    QMetaObject::invokeMethod(
        main,
        [main] {
            std::printf("Exit clicked inside the pass\n");
            std::fflush(stdout);
            QTest::mouseClick(Controls::CommandButton(main, 2), Qt::LeftButton);
        },
        Qt::QueuedConnection);
    Controls::txtSearch(main)->clear(); // an empty key: every term, events run after index 0
    std::printf("pass went on after Exit\n");
    return 1;
}
