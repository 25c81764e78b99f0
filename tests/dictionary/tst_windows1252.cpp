#include "dictionary/TextRules.h"
#include "dictionary/Windows1252.h"
#include "tools/import/TextCase.h"

#include <QSet>
#include <QStringDecoder>
#include <QTest>

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteIsOneDistinctCharacter();
    void agreesWithTheSystemsConverter();
    void undefinedBytesAreTheirControlCharacters();
    void lowerStaysInTheCodePage();
    void encodeLowered_data();
    void encodeLowered();
    void spacesAloneAreTrimmed();
};

void TestWindows1252::everyByteIsOneDistinctCharacter()
{
    const Windows1252& codec = Windows1252::instance();
    QSet<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const QChar c = codec.toChar(uchar(b));
        QVERIFY2(c != QChar::ReplacementCharacter, qPrintable(QString::number(b, 16)));
        seen.insert(c.unicode());
        QCOMPARE(codec.fromChar(c), std::optional<uchar>(uchar(b)));
    }
    QCOMPARE(seen.size(), 256);
}

void TestWindows1252::agreesWithTheSystemsConverter()
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        QSKIP("Qt here has no Windows-1252 converter");
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        if (decoded.size() == 1 && decoded.at(0) != QChar::ReplacementCharacter)
            QCOMPARE(Windows1252::instance().toChar(uchar(b)), decoded.at(0));
    }
}

void TestWindows1252::undefinedBytesAreTheirControlCharacters()
{
    for (const uchar b : {uchar(0x81), uchar(0x8D), uchar(0x8F), uchar(0x90), uchar(0x9D)})
        QCOMPARE(Windows1252::instance().toChar(b), QChar(char16_t(b)));
}

void TestWindows1252::lowerStaysInTheCodePage()
{
    const Windows1252& codec = Windows1252::instance();
    for (int b = 0; b < 256; ++b) {
        const QChar lowered = TextRules::lowerChar(codec.toChar(uchar(b)));
        QCOMPARE(codec.toChar(codec.lower(uchar(b))), lowered);
    }
}

void TestWindows1252::encodeLowered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("encodable");

    QTest::newRow("ascii") << "RouTer" << QByteArray("router") << true;
    QTest::newRow("accents and euro") << QString::fromUtf8("ÉCOLE €Œ")
                                      << QByteArray("\xe9"
                                                    "cole \x80\x9c")
                                      << true;
    QTest::newRow("Y with diaeresis") << QString::fromUtf8("Ÿ") << QByteArray("\xff") << true;
    QTest::newRow("outside the code page") << QString::fromUtf8("ruč") << QByteArray() << false;
}

void TestWindows1252::encodeLowered()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QFETCH(bool, encodable);
    const auto bytes = Windows1252::instance().encodeLowered(text);
    QCOMPARE(bytes.has_value(), encodable);
    if (encodable)
        QCOMPARE(*bytes, expected);
}

void TestWindows1252::spacesAloneAreTrimmed()
{
    QCOMPARE(TextRules::trimSpaces(u"  a b \t "), QStringView(u"a b \t"));
    QCOMPARE(TextRules::trimSpaces(u"\r\nx\r\n "), QStringView(u"\r\nx\r\n"));
    QCOMPARE(TextCase::lower(QString::fromUtf8("İSTANBUL")).size(), 8);
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
