#include "app/Forms.h"
#include "app/Startup.h"
#include "dictionary/Module1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillary"));
    // The program takes no command line; the arguments are Qt's own.
    Forms forms(Module1::Store, ProgramEnds::immediate());
    if (!Startup::Form_Load(forms, QCoreApplication::applicationDirPath()))
        return 0;
    return QApplication::exec();
}
