// Fuzz target: a dictionary and a key from any bytes. The filter pass must list exactly the terms
// that begin with the key (spaces removed at both ends), and GO must show exactly the entry, that a
// plain scan of the store finds by the rules alone: both sides lower-cased with a middle dot as a
// full stop, every term in store order, the first hit winning; GO the term equal ignoring case
// before one equal but for its dots.
#include "dictionary/DictionaryLoader.h"
#include "dictionary/TextRules.h"
#include "dictionary/Windows1252.h"
#include "lookup/LookupWindow.h"
#include "lookup/MainLookup.h"
#include "tools/import/TextCase.h"

#include <QList>
#include <cstdio>
#include <cstdlib>

namespace {

class RecordingWindow : public LookupWindow
{
public:
    explicit RecordingWindow(QString key) : m_key(std::move(key)) {}
    QString searchText() const override { return m_key; }
    int currentRow() const override { return -1; }
    QString rowText(int) const override { return {}; }
    void clearRows() override { rows.clear(); }
    void appendRow(qsizetype storeIndex) override { rows.append(storeIndex); }
    void rowsFilled() override {}
    QString panelText() const override { return panel; }
    void setPanelText(const QString& text) override { panel = text; }
    void pumpEvents() override {}
    void showInformation(const QString& text) override { message = text; }
    void setClipboardText(const QString&) override {}

    QList<qsizetype> rows;
    QString panel;
    QString message;

private:
    QString m_key;
};

QString folded(QStringView text)
{
    return TextCase::lower(text).replace(QChar(0x00B7), u'.');
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "lookup differs from the plain rules: %s\n", what);
    std::abort();
}

} // namespace

// The first two bytes give the key's length, the key's bytes follow, the dictionary is the rest.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t keyLength = std::min<size_t>(size_t(data[0] | data[1] << 8), size - 2);
    const char* bytes = reinterpret_cast<const char*>(data);
    const QString key =
        Windows1252::instance().decode(QByteArrayView(bytes + 2, qsizetype(keyLength)));
    const TermStore store = DictionaryLoader::parse(QByteArrayView(bytes + 2 + keyLength,
                                                                   qsizetype(size - 2 - keyLength)))
                                .store;
    RecordingWindow window(key);
    MainLookup lookup(store, window);

    lookup.txtSearch_Change();
    QList<qsizetype> expectedRows;
    const QString foldedKey = folded(TextRules::trimSpaces(key));
    for (qsizetype i = 0; i < store.size(); ++i) {
        if (folded(store.term(i)).startsWith(foldedKey))
            expectedRows.append(i);
    }
    if (window.rows != expectedRows)
        fail("the rows of a filter pass");

    lookup.go();
    const QString typed = TextRules::trimSpaces(key).toString();
    qsizetype found = -1;
    for (qsizetype i = 0; i < store.size() && found < 0; ++i) {
        if (TextCase::lower(store.term(i)) == TextCase::lower(typed))
            found = i;
    }
    for (qsizetype i = 0; i < store.size() && found < 0; ++i) {
        if (folded(store.term(i)) == folded(typed))
            found = i;
    }
    if (typed.isEmpty()) {
        if (window.panel != MainLookup::EmptySearchPrompt)
            fail("GO with nothing typed");
    } else if (found >= 0 ? window.panel != store.entry(found) || !window.message.isEmpty()
                          : !window.panel.isEmpty() || window.message.isEmpty()) {
        fail("the entry GO shows");
    }
    return 0;
}
