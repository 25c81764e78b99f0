#pragma once

#include "lookup/LookupWindow.h"
#include "lookup/MainLookup.h"
#include "ui/PictureWindow.h"

#include <QElapsedTimer>

class ClipboardOwner;
class LabelButtonArray;
class QLineEdit;
class QAbstractItemView;
class QTextEdit;
class QTimer;
class TermListModel;
class TermStore;
class WindowMoves;

// The main window: term list, search box, entry panel and four label buttons. Its events run
// the lookup procedures, which see it as a LookupWindow, and the moves of the application shell.
class Form1 : public PictureWindow, public LookupWindow
{
    Q_OBJECT

public:
    static inline const QString Title =
        QStringLiteral("Quillary") + QString(37, u' ') + QStringLiteral("by Ostrevan.");
    static inline const QByteArray InitialDocument =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
        "\\viewkind4\\uc1\\pard\\lang1033\\fs23 Select or search a term to see its definition.\r\n"
        "\\par }\r\n";

    // The elements of the label button array.
    enum Button
    {
        Go = 0,
        About = 1,
        Exit = 2,
        CopyDefinition = 3
    };

    // The store may still be empty: the window lists no terms until listEveryTerm. Copies go to
    // the program's clipboard owner.
    Form1(WindowMoves& moves, const TermStore& store, ClipboardOwner& clipboard);
    // Every stored term in the list, in store order, with the first row current; what the first
    // filter pass needs is built once the window is painted, before anyone types.
    void listEveryTerm();
    // Hides the window and destroys it once control is back in the event loop, and no filter pass
    // is on the stack: it may be called from inside the window's own event handlers.
    void unload();

    TermListModel* termModel() const { return m_termModel; }
    MainLookup& lookup() { return m_lookup; }

    void CommandButton_Click(int index);

    QString searchText() const override;
    int currentRow() const override;
    QString rowText(int row) const override;
    void clearRows() override;
    void appendRow(qsizetype storeIndex) override;
    void rowsFilled() override;
    QString panelText() const override;
    void setPanelText(const QString& text) override;
    void pumpEvents() override;
    void showInformation(const QString& text) override;
    void setClipboardText(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createLabels();
    void createList();
    void createSearchBox();
    void createPanel();
    void createButtons();
    void txtSearch_Change();

    // The controls, by the names the procedures use; tests find them by their object names.
    QAbstractItemView* List1;
    QLineEdit* txtSearch;
    QTextEdit* Text1;
    QTimer* Timer;
    LabelButtonArray* buttons;
    WindowMoves& m_moves;
    ClipboardOwner& m_clipboard;
    TermListModel* m_termModel;
    MainLookup m_lookup;
    QElapsedTimer m_sincePump;
    bool m_filterPreparedAfterPaint = false;
    int m_passesOnStack = 0;
    bool m_unloaded = false;
};
