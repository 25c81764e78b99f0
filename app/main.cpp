#include "app/FontConfigWarmup.h"
#include "app/Forms.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    FontConfigWarmup fonts;
    QApplication app(argc, argv);
    fonts.wait();
    QApplication::setApplicationName(QStringLiteral("Quillary"));
    // The program takes no command line; the arguments are Qt's own.
    Startup startup; // outlives the windows, which read its store
    Forms forms(ProgramEnds::immediate());
    if (!startup.Form_Load(forms, QCoreApplication::applicationDirPath()))
        return 0;
    return QApplication::exec();
}
