#pragma once

#include "app/ProgramEnd.h"
#include "ui/WindowMoves.h"

#include <QPointer>

class ClipboardOwner;
class Form1;
class Form2;
class Form3;
class TermStore;

// The program's three windows: each a single instance, created the first time it is used,
// shown without an owner; unloading destroys it, and the next use creates it afresh.
class Forms : public WindowMoves
{
public:
    // The main window reads store, and copies to clipboard, whenever it is created.
    Forms(const TermStore& store, ClipboardOwner& clipboard, ProgramEnd end);
    ~Forms() override;

    Form1* form1();
    Form2* form2();
    Form3* form3();
    bool mainLoaded() const { return !m_form1.isNull(); }
    bool aboutLoaded() const { return !m_form2.isNull(); }
    bool splashLoaded() const { return !m_form3.isNull(); }
    void unloadForm1();
    void unloadForm2();
    void unloadForm3();

    void about() override;
    void goBack() override;
    void exitProgram() override;
    void end(int exitCode) { m_end(exitCode); }

private:
    const TermStore& m_store;
    ClipboardOwner& m_clipboard;
    ProgramEnd m_end;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
};
