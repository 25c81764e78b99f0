#include "app/Forms.h"
#include "app/Startup.h"
#include "clipboard/ClipboardOwner.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv); // the program takes no command line; the arguments are Qt's own
    QApplication::setApplicationName(QStringLiteral("Quillary"));
    Startup startup; // keeps the loaded store, so it outlives the windows
    ClipboardOwner clipboard(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/quillary-clip"));
    Forms forms(startup.store(), clipboard, ProgramEnds::immediate(clipboard));
    if (!startup.Form_Load(forms, QCoreApplication::applicationDirPath()))
        return 0;
    return QApplication::exec();
}
