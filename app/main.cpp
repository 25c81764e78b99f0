#include "app/Forms.h"
#include "app/Startup.h"
#include "app/StartupWarmup.h"
#include "ui/Labels.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    // The folder Qt will name once the application object exists; /proc names it sooner.
    StartupWarmup warmup(
        Startup::dataPathIn(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()),
        Labels::families());
    QApplication app(argc, argv);
    warmup.applicationStarted();
    warmup.waitForFonts();
    // The windows then ask for an installed family by name, which Qt finds at once.
    for (const auto& [family, installed] : warmup.standIns())
        QFont::insertSubstitution(family, installed);
    QApplication::setApplicationName(QStringLiteral("Quillary"));
    // Qt starts its accessibility bridge at the first widget's first change. Started now, while the
    // process is small, its look for a session bus costs less: without one libdbus forks a helper,
    // and each page the program has written is copied-on-write or write-faulted after a fork.
    QAccessible::isActive();
    // The program takes no command line; the arguments are Qt's own.
    Startup startup([&warmup] { return warmup.takeDictionary(); }); // outlives the windows
    Forms forms(ProgramEnds::immediate());
    if (!startup.Form_Load(forms, QCoreApplication::applicationDirPath()))
        return 0;
    return QApplication::exec();
}
