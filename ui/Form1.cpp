#include "ui/Form1.h"

#include "clipboard/ClipboardOwner.h"
#include "ui/Colors.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/Labels.h"
#include "ui/RtfReader.h"
#include "ui/ShapeWidget.h"
#include "ui/TermListModel.h"
#include "ui/TermListView.h"
#include "ui/WindowMoves.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextEdit>
#include <QTimer>
#include <limits>

using namespace Colors;

namespace {

constexpr qint64 PumpInterval = 1'000'000; // ns

void setBase(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, color);
    widget->setPalette(p);
}

} // namespace

Form1::Form1(WindowMoves& moves, const TermStore& store, ClipboardOwner& clipboard)
    : PictureWindow(QStringLiteral(":/pictures/background.argb32"), QSize(660, 493), White, nullptr,
                    FixedWindow),
      m_moves(moves), m_clipboard(clipboard),
      m_termModel(new TermListModel(
          store, [this]() -> const PrefixTable& { return m_lookup.prefixes(); }, this)),
      m_lookup(store, *this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Title);
    setFont(Labels::arial(9.75));
    createLabels();
    createList();
    createSearchBox();
    createPanel();
    createButtons();
    setTabOrder(List1, txtSearch);
    setTabOrder(txtSearch, Text1);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);
    connect(Timer, &QTimer::timeout, this, [this] { m_lookup.Timer_Timer(); });
    Timer->start();
}

void Form1::listEveryTerm()
{
    m_termModel->showEveryTerm();
    List1->setCurrentIndex(m_termModel->index(0));
    m_filterPreparedAfterPaint = true;
}

void Form1::paintEvent(QPaintEvent* event)
{
    PictureWindow::paintEvent(event);
    // Built once the window is on the screen, so that a large dictionary's table does not hold
    // back its first picture; still before anyone types.
    if (m_filterPreparedAfterPaint) {
        m_filterPreparedAfterPaint = false;
        QTimer::singleShot(0, this, [this] { m_lookup.prepareFilter(); });
    }
}

void Form1::createLabels()
{
    Labels::create(this, "Label4",
                   QStringLiteral("Quillary is a comprehensive dictionary of about 10,000 "
                                  "computer-related terms and abbreviations."),
                   QRect(24, 24, 193, 65), Labels::arial(9.75), LightGrey, Qt::AlignLeft, true);
    Labels::create(this, "Label2", QStringLiteral("Terms :"), QRect(24, 104, 137, 17),
                   Labels::arial(12, true), White);
    Labels::create(this, "Label3", QStringLiteral("Text to search :"), QRect(272, 104, 137, 17),
                   Labels::arial(12, true), White);
    Labels::create(this, "Label1", QStringLiteral("Definition:"), QRect(272, 192, 137, 17),
                   Labels::arial(12, true), DarkRed);
}

void Form1::createList()
{
    List1 = new TermListView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(24, 128, 233, 275);
    List1->setModel(m_termModel);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setFocusPolicy(Qt::StrongFocus);
    List1->setFocus(); // the window's focus widget, from when it first shows
    List1->setAccessibleName(QStringLiteral("Terms"));
    setBase(List1, PanelGrey);
}

void Form1::createSearchBox()
{
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(272, 129, 201, 25);
    txtSearch->setMaxLength(std::numeric_limits<int>::max());
    setBase(txtSearch, LightGrey);
    txtSearch->setAccessibleName(QStringLiteral("Text to search"));
    connect(txtSearch, &QLineEdit::textChanged, this, &Form1::txtSearch_Change);
    // Return and keypad Enter look the typed text up, as a click on GO does.
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { CommandButton_Click(Go); });
}

void Form1::createPanel()
{
    auto* frame = new ShapeWidget(ShapeWidget::Kind::Rectangle,
                                  palette().color(QPalette::WindowText), 1, this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(272, 216, 377, 187);

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(280, 218, 361, 177);
    Text1->setAccessibleName(QStringLiteral("Definition"));
    Text1->setFont(Labels::arial(11.25));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setTabChangesFocus(true);
    Text1->setAcceptRichText(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setFrameShape(QFrame::NoFrame);
    setBase(Text1, PanelGrey);
    RtfReader::read(InitialDocument, *Text1->document());
}

void Form1::createButtons()
{
    buttons = new LabelButtonArray(this);
    buttons->add(Go, QStringLiteral("GO"), QString(), QRect(496, 132, 89, 17),
                 QRect(496, 128, 89, 25));
    buttons->add(About, QStringLiteral("About"), QStringLiteral("Read about us and this software"),
                 QRect(152, 444, 113, 17), QRect(152, 440, 113, 25));
    buttons->add(Exit, QStringLiteral("Exit"), QStringLiteral("Close the program"),
                 QRect(408, 444, 113, 17), QRect(408, 440, 113, 25));
    buttons->add(CopyDefinition, QStringLiteral("Copy Definition"),
                 QStringLiteral("Copy the definition to the clipboard"), QRect(280, 444, 113, 17),
                 QRect(280, 440, 113, 25));
    buttons->CommandButton(Go)->setKeyBinding(QKeySequence(Qt::Key_Return)); // in the search box
    buttons->CommandButton(About)->setWindowShortcut(QKeySequence(Qt::Key_F1));
    buttons->CommandButton(Exit)->setWindowShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Ctrl+C stays the copy of a selection in the search box or the panel.
    buttons->CommandButton(CopyDefinition)
        ->setWindowShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(buttons, &LabelButtonArray::clicked, this, &Form1::CommandButton_Click);
}

void Form1::CommandButton_Click(int index)
{
    if (index == Go)
        m_lookup.go();
    if (index == About)
        m_moves.about();
    if (index == Exit)
        m_moves.exitProgram();
    if (index == CopyDefinition)
        m_lookup.copyDefinition();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the main window from its title bar ends the program, as Exit does.
    event->accept();
    m_moves.exitProgram();
}

QString Form1::searchText() const
{
    return txtSearch->text();
}

int Form1::currentRow() const
{
    // The selected row, not the view's current index: a view gives itself a current row, without
    // selecting it, when it takes the focus.
    const QItemSelection selected = List1->selectionModel()->selection();
    return selected.isEmpty() ? -1 : selected.first().top();
}

QString Form1::rowText(int row) const
{
    return m_termModel->rowText(row);
}

void Form1::clearRows()
{
    m_sincePump.invalidate();                  // a pass lets events run at its first chance
    List1->selectionModel()->clearSelection(); // a pass leaves no row selected
    m_termModel->clear();
}

void Form1::appendRow(qsizetype storeIndex)
{
    m_termModel->append(storeIndex);
}

void Form1::rowsFilled()
{
    m_termModel->flush();
}

QString Form1::panelText() const
{
    // The raw text keeps non-breaking spaces; paragraph ends read as line feeds.
    QString text = Text1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void Form1::setPanelText(const QString& text)
{
    Text1->setPlainText(text);
}

void Form1::txtSearch_Change()
{
    ++m_passesOnStack;
    m_lookup.txtSearch_Change();
    if (--m_passesOnStack == 0 && m_unloaded)
        deleteLater();
}

// A filter pass's event runs would free the window, and the lookup with it, under the pass: while
// one is on the stack, the window is let go of once the outermost has returned.
void Form1::unload()
{
    hide();
    m_unloaded = true;
    if (m_passesOnStack == 0)
        deleteLater();
}

void Form1::pumpEvents()
{
    // An event run polls the X connection: at most one a millisecond, which no user can tell apart.
    if (m_sincePump.isValid() && m_sincePump.nsecsElapsed() < PumpInterval)
        return;
    m_termModel->flushIfDue();
    QCoreApplication::processEvents();
    m_sincePump.start();
}

void Form1::showInformation(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quillary"), text, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Form1::setClipboardText(const QString& text)
{
    m_clipboard.copy(text);
}
