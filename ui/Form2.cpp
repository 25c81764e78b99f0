#include "ui/Form2.h"

#include "ui/Colors.h"
#include "ui/LabelButton.h"
#include "ui/LabelButtonArray.h"
#include "ui/Labels.h"
#include "ui/WindowMoves.h"

#include <QCloseEvent>

using namespace Colors;

const QString Form2::AboutText = QStringLiteral(
    "Quillary is a comprehensive dictionary of about 10,000 computer-related terms and "
    "abbreviations. It covers hardware and software, programming languages, operating systems, "
    "networks and the Internet, data storage, security, standards and the jargon of computing. "
    "Its definitions are written in simple terminology, with more specialised language in some "
    "areas.");

Form2::Form2(WindowMoves& moves)
    : PictureWindow(QStringLiteral(":/pictures/background.argb32"), QSize(658, 491), White, nullptr,
                    FixedWindow),
      m_moves(moves)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Title);
    setAttribute(Qt::WA_DeleteOnClose, false);
    createLabels();
    buttons = new LabelButtonArray(this);
    buttons->add(GoBack, QStringLiteral("Go Back"), QString(), QRect(240, 444, 193, 17),
                 QRect(240, 440, 193, 25));
    buttons->CommandButton(GoBack)->setWindowShortcut(QKeySequence(Qt::Key_Escape));
    connect(buttons, &LabelButtonArray::clicked, this, &Form2::CommandButton_Click);
    centreOnScreen();
}

void Form2::createLabels()
{
    Labels::create(this, "Label8", QStringLiteral("About"), QRect(24, 24, 185, 33),
                   Labels::arial(20.25, true), White);
    Labels::create(this, "Label1", AboutText, QRect(24, 112, 609, 137), Labels::arial(12), DarkGrey,
                   Qt::AlignLeft, true);
    Labels::create(this, "Label2", QStringLiteral("About Us :"), QRect(24, 264, 177, 25),
                   Labels::arial(14.25), DarkRed);
    Labels::create(this, "Label3", QStringLiteral("Developed by : Ostrevan"),
                   QRect(24, 296, 273, 25), Labels::arial(12), Black);
    Labels::create(this, "Label4", QStringLiteral("Email Address : ostrevan@example.com"),
                   QRect(24, 320, 353, 25), Labels::arial(12), Black);
    Labels::create(this, "Label5", QStringLiteral("Company Name : Pemberlux"),
                   QRect(24, 344, 193, 25), Labels::arial(12), Black);
    Labels::create(this, "Label6", QStringLiteral("Company Web : www.pemberlux.example.org"),
                   QRect(24, 368, 353, 25), Labels::arial(12), Black);
    Labels::create(this, "Label7", QStringLiteral("Completed in two days on 21 Dec, 2007"),
                   QRect(24, 392, 289, 25), Labels::arial(12), Black);
}

void Form2::CommandButton_Click(int index)
{
    if (index == GoBack)
        m_moves.goBack();
}

void Form2::closeEvent(QCloseEvent* event)
{
    // Closing from the title bar would otherwise leave no window to go on with.
    event->accept();
    m_moves.goBack();
}
