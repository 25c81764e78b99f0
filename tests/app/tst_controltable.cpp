// Every control of the three windows against the windows' control tables: box, text, font,
// colours and tooltip, one row a control. A value left empty in a row is not checked.
#include "clipboard/ClipboardOwner.h"
#include "dictionary/TermStore.h"
#include "harness/NoMoves.h"
#include "tests/support/Controls.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/LabelButton.h"
#include "ui/ShapeWidget.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

namespace {

const QColor White(255, 255, 255), Black(0, 0, 0), Grey(128, 128, 128), LightGrey(192, 192, 192),
    PanelGrey(224, 224, 224), DarkGrey(64, 64, 64), DarkRed(128, 0, 0);

QString shown(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<LabelButton*>(w))
        return button->text();
    return {};
}

QColor foreground(QWidget* w)
{
    if (auto* button = qobject_cast<LabelButton*>(w))
        return button->textColor();
    return w->palette().color(QPalette::WindowText);
}

QColor background(QWidget* w)
{
    if (auto* shape = qobject_cast<ShapeWidget*>(w))
        return shape->fillColor();
    return w->palette().color(QPalette::Base);
}

} // namespace

class TestControlTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controls_data();
    void controls();
    void everyNameOnce_data();
    void everyNameOnce();
    void windows();
    void picturesAreTheirSources_data();
    void picturesAreTheirSources();

private:
    QWidget* window(const QString& name) const;

    NoMoves m_moves;
    ClipboardOwner m_clipboard{QString()};
    TermStore m_noTerms;
    std::unique_ptr<Form1> m_main;
    std::unique_ptr<Form2> m_about;
    std::unique_ptr<Form3> m_splash;
};

void TestControlTable::initTestCase()
{
    m_main = std::make_unique<Form1>(m_moves, m_noTerms, m_clipboard);
    m_about = std::make_unique<Form2>(m_moves);
    m_splash = std::make_unique<Form3>();
}

QWidget* TestControlTable::window(const QString& name) const
{
    return name == "Form1"   ? static_cast<QWidget*>(m_main.get())
           : name == "Form2" ? static_cast<QWidget*>(m_about.get())
                             : static_cast<QWidget*>(m_splash.get());
}

void TestControlTable::controls_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QString>("tip");
    const QString none;
    const QColor any;
    const auto row = [](const char* form, const char* name, QRect box, const QString& text,
                        double points, bool bold, QColor color, QColor back, const QString& tip) {
        QTest::addRow("%s %s", form, name)
            << form << name << box << text << points << bold << color << back << tip;
    };
    const QColor atRest = QApplication::palette().color(QPalette::HighlightedText);

    row("Form1", "Label4", {24, 24, 193, 65},
        "Quillary is a comprehensive dictionary of about 10,000 computer-related terms and "
        "abbreviations.",
        9.75, false, LightGrey, any, none);
    row("Form1", "Label2", {24, 104, 137, 17}, "Terms :", 12, true, White, any, none);
    row("Form1", "Label3", {272, 104, 137, 17}, "Text to search :", 12, true, White, any, none);
    row("Form1", "List1", {24, 128, 233, 275}, none, 0, false, any, PanelGrey, none);
    row("Form1", "txtSearch", {272, 129, 201, 25}, none, 0, false, any, LightGrey, none);
    row("Form1", "Label1", {272, 192, 137, 17}, "Definition:", 12, true, DarkRed, any, none);
    row("Form1", "Shape1", {272, 216, 377, 187}, none, 0, false, any, any, none);
    row("Form1", "Text1", {280, 218, 361, 177}, none, 11.25, false, any, PanelGrey, none);
    row("Form1", "CommandButton(0)", {496, 132, 89, 17}, "GO", 9.75, true, atRest, any, "");
    row("Form1", "Shape(0)", {496, 128, 89, 25}, none, 0, false, any, Grey, none);
    row("Form1", "CommandButton(1)", {152, 444, 113, 17}, "About", 9.75, true, atRest, any,
        "Read about us and this software");
    row("Form1", "Shape(1)", {152, 440, 113, 25}, none, 0, false, any, Grey, none);
    row("Form1", "CommandButton(2)", {408, 444, 113, 17}, "Exit", 9.75, true, atRest, any,
        "Close the program");
    row("Form1", "Shape(2)", {408, 440, 113, 25}, none, 0, false, any, Grey, none);
    row("Form1", "CommandButton(3)", {280, 444, 113, 17}, "Copy Definition", 9.75, true, atRest,
        any, "Copy the definition to the clipboard");
    row("Form1", "Shape(3)", {280, 440, 113, 25}, none, 0, false, any, Grey, none);

    row("Form2", "Label8", {24, 24, 185, 33}, "About", 20.25, true, White, any, none);
    row("Form2", "Label1", {24, 112, 609, 137}, Form2::AboutText, 12, false, DarkGrey, any, none);
    row("Form2", "Label2", {24, 264, 177, 25}, "About Us :", 14.25, false, DarkRed, any, none);
    row("Form2", "Label3", {24, 296, 273, 25}, "Developed by : Ostrevan", 12, false, Black, any,
        none);
    row("Form2", "Label4", {24, 320, 353, 25}, "Email Address : ostrevan@example.com", 12, false,
        Black, any, none);
    // Wider than its box in Liberation Sans: the label grows to show its text.
    row("Form2", "Label5", {}, "Company Name : Pemberlux", 12, false, Black, any, none);
    row("Form2", "Label6", {24, 368, 353, 25}, "Company Web : www.pemberlux.example.org", 12, false,
        Black, any, none);
    row("Form2", "Label7", {24, 392, 289, 25}, "Completed in two days on 21 Dec, 2007", 12, false,
        Black, any, none);
    row("Form2", "CommandButton(0)", {240, 444, 193, 17}, "Go Back", 9.75, true, atRest, any, "");
    row("Form2", "Shape(0)", {240, 440, 193, 25}, none, 0, false, any, Grey, none);

    const QColor buttonFaceText = QApplication::palette().color(QPalette::ButtonText);
    row("Form3", "Label1", {24, 64, 153, 25}, " by Ostrevan", 12, false, buttonFaceText, any, none);
    row("Form3", "Label2", {24, 112, 329, 73},
        "A comprehensive dictionary of computer-related terms and abbreviations.", 14.25, false,
        buttonFaceText, any, none);
    row("Form3", "Label4", {112, 200, 153, 25}, " Loading ....", 14.25, false, Grey, any, none);
    row("Form3", "Label3", {24, 232, 345, 25}, "Including more than 10,000 terms !", 12, true,
        DarkRed, any, none);
    row("Form3", "Shape1", {1, 1, 379, 264}, none, 0, false, any, any, none);
}

void TestControlTable::controls()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QRect, box);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, color);
    QFETCH(QColor, back);
    QFETCH(QString, tip);
    QWidget* w = window(form)->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    if (box.isValid())
        QCOMPARE(w->geometry(), box);
    if (!text.isNull())
        QCOMPARE(shown(w), text);
    if (points > 0) {
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), bold);
    }
    if (color.isValid())
        QCOMPARE(foreground(w), color);
    if (back.isValid())
        QCOMPARE(background(w), back);
    if (!tip.isNull())
        QCOMPARE(w->toolTip(), tip);
}

void TestControlTable::everyNameOnce_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("main window") << "Form1";
    QTest::newRow("About window") << "Form2";
    QTest::newRow("splash") << "Form3";
}

void TestControlTable::everyNameOnce()
{
    QFETCH(QString, form);
    QSet<QString> seen;
    for (const QWidget* w : window(form)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
        QVERIFY2(!seen.contains(w->objectName()), qPrintable(w->objectName()));
        seen.insert(w->objectName());
    }
}

void TestControlTable::windows()
{
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Quillary") + QString(37, ' ') + "by Ostrevan.");
    QCOMPARE(m_main->size(), QSize(660, 493));
    QCOMPARE(m_about->windowTitle(),
             QStringLiteral("About Quillary") + QString(31, ' ') + "by Ostrevan.");
    QCOMPARE(m_about->size(), QSize(658, 491));
    QCOMPARE(m_splash->size(), QSize(381, 266));
    for (QWidget* w : {static_cast<QWidget*>(m_main.get()), static_cast<QWidget*>(m_about.get())}) {
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
    }
    QCOMPARE(Controls::Timer(m_main.get())->interval(), 100);
    QVERIFY(Controls::Timer(m_main.get())->isActive());
    QCOMPARE(Controls::txtSearch(m_main.get())->maxLength(), std::numeric_limits<int>::max());
    QVERIFY(Controls::Text1(m_main.get())->isReadOnly());
}

void TestControlTable::picturesAreTheirSources_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("unpacked");
    QTest::addColumn<QSize>("size");
    QTest::newRow("background") << "background.jpg"
                                << "background" << QSize(661, 522);
    QTest::newRow("splash") << "splash.jpg"
                            << "splash" << QSize(382, 265);
    QTest::newRow("icon") << "icon.png"
                          << "icon" << QSize(32, 32);
}

void TestControlTable::picturesAreTheirSources()
{
    QFETCH(QString, source);
    QFETCH(QString, unpacked);
    QFETCH(QSize, size);
    const QImage expected = QImage(QStringLiteral(QUILLARY_SOURCE_DIR "/ui/pictures/") + source)
                                .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(expected.size(), size);
    const QImage shown =
        PictureWindow::unpacked(":/pictures/" + unpacked + ".argb32", QImage::Format_ARGB32);
    QCOMPARE(shown.size(), size);
    QCOMPARE(shown, expected);
}

QTEST_MAIN(TestControlTable)
#include "tst_controltable.moc"
