#include "app/Startup.h"

#include "app/Forms.h"
#include "dictionary/Module1.h"
#include "ui/Form1.h"
#include "ui/Form3.h"

#include <QFileInfo>
#include <QMessageBox>

bool Startup::Form_Load(Forms& forms, const QString& programFolder)
{
    Form3* splash = forms.form3();
    splash->showAndDraw(); // the only time window events run before the main window is up

    const QString DataPath = programFolder + QStringLiteral("/data.dat");
    // A folder, a device or a pipe of that name is no dictionary file.
    if (!QFileInfo(DataPath).isFile()) {
        fail(forms, NotFound, Reinstall);
        return false;
    }
    DictionaryLoader::Result loaded = Module1::LoadDictionary(DataPath);
    if (!loaded.ok()) {
        fail(forms, Unreadable, loaded.error);
        return false;
    }
    if (loaded.store.size() == 0) {
        fail(forms, NoTerms, Reinstall);
        return false;
    }

    m_store = std::move(loaded.store);
    // Made on the loaded store: nothing the window builds from it can see it empty.
    Form1* main = forms.form1();
    main->listEveryTerm();
    forms.unloadForm3();
    main->show();
    return true;
}

void Startup::fail(Forms& forms, const QString& line1, const QString& line2)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillary"), line1 + u'\n' + line2,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    forms.unloadForm1();
    forms.end(0);
}
