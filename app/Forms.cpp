#include "app/Forms.h"

#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"

namespace {

// A window may be unloaded from inside one of its own event handlers, so it is hidden and let go
// of at once and destroyed when control is back in the event loop.
template <typename Form> void unload(QPointer<Form>& form)
{
    if (form.isNull())
        return;
    form->hide();
    form->deleteLater();
    form.clear();
}

} // namespace

Forms::Forms(const TermStore& store, ClipboardOwner& clipboard, ProgramEnd end)
    : m_store(store), m_clipboard(clipboard), m_end(std::move(end))
{
}

Forms::~Forms()
{
    delete m_form1.data();
    delete m_form2.data();
    delete m_form3.data();
}

Form1* Forms::form1()
{
    if (m_form1.isNull()) {
        m_form1 = new Form1(*this, m_store, m_clipboard);
        m_form1->centreOnScreen();
    }
    return m_form1;
}

Form2* Forms::form2()
{
    if (m_form2.isNull())
        m_form2 = new Form2(*this);
    return m_form2;
}

Form3* Forms::form3()
{
    if (m_form3.isNull())
        m_form3 = new Form3;
    return m_form3;
}

void Forms::unloadForm1()
{
    if (Form1* form = m_form1.data()) {
        m_form1.clear();
        form->unload();
    }
}

void Forms::unloadForm2()
{
    unload(m_form2);
}

void Forms::unloadForm3()
{
    unload(m_form3);
}

void Forms::about()
{
    form2()->show();
    form1()->hide();
}

void Forms::goBack()
{
    form1()->show();
    unloadForm2();
}

// The end comes while the main window shows: KWin's bridge follows the X clipboard's owner only
// while an X window of the program is there. A test's end returns, and finds the window unloaded.
void Forms::exitProgram()
{
    m_end(0);
    unloadForm1();
}
