#include "ui/Form1.h"
#include "ui/RtfReader.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void initialDocument();
    void text_data();
    void text();
    void malformedInputNeverFails_data();
    void malformedInputNeverFails();
};

void TestRtfReader::initialDocument()
{
    QTextDocument document;
    RtfReader::read(Form1::InitialDocument, document);
    QCOMPARE(document.toRawText(),
             QStringLiteral("Select or search a term to see its definition.") +
                 QChar(QChar::ParagraphSeparator));
    const QTextCharFormat format = document.begin().begin().fragment().charFormat();
    QCOMPARE(format.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(format.fontPointSize(), 11.5);
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("{\\rtf1 Hello}") << "Hello";
    QTest::newRow("unknown words with parameters")
        << QByteArray("{\\rtf1\\foo-12\\bar7 x\\baz y}") << "xy";
    QTest::newRow("par") << QByteArray("{\\rtf1 a\\par c}")
                         << QStringLiteral("a") + QChar(QChar::ParagraphSeparator) + "c";
    QTest::newRow("line breaks in the source are ignored") << QByteArray("{\\rtf1 a\r\nb}") << "ab";
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    RtfReader::read(rtf, document);
    QCOMPARE(document.toRawText(), text);
}

void TestRtfReader::malformedInputNeverFails_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("unbalanced closing") << QByteArray("}}}x{");
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 \\'");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 \\'zz}");
    QTest::newRow("backslash at end") << QByteArray("{\\rtf1 \\");
    QTest::newRow("huge parameter") << QByteArray("{\\fs99999999999999999999 x\\u-99999999999}");
    QTest::newRow("deep nesting") << QByteArray(100000, '{') + "x" + QByteArray(100000, '}');
    QTest::newRow("font table without end") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial");
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b\\\0}", 12);
}

void TestRtfReader::malformedInputNeverFails()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    RtfReader::read(rtf, document); // returns, without a crash or a hang
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
