// Fuzz target: any bytes as a dictionary file. The store must hold exactly what the plain
// reference reading gives: same count, same terms, same entry texts, no line ends inside.
#include "ReferenceReading.h"
#include "dictionary/DictionaryLoader.h"
#include "lookup/MainLookup.h"
#include "lookup/TermIndex.h"
#include "tools/import/TextCase.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, qsizetype i)
{
    std::fprintf(stderr, "loader invariant broken: %s at entry %lld\n", what, qlonglong(i));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TermStore store = DictionaryLoader::parse(bytes).store;
    const QList<ReferenceReading::Entry> expected = ReferenceReading::read(bytes);
    if (store.size() != expected.size())
        fail("entry count", store.size());
    for (qsizetype i = 0; i < store.size(); ++i) {
        const QString entry = store.entry(i);
        if (entry != expected[i].entry)
            fail("entry text", i);
        if (entry.contains(u'\r') || entry.contains(u'\n'))
            fail("line end inside an entry", i);
        if (store.term(i) != expected[i].term)
            fail("display term", i);
    }
    // The lookup index answers with the first equal term, as a scan would.
    if (store.size() > 0) {
        const TermIndex index(store);
        const qsizetype last = store.size() - 1;
        const qsizetype found = index.firstEqual(store.term(last));
        if (found < 0 || found > last ||
            !TextCase::equalIgnoringCase(store.term(found), store.term(last)))
            fail("index lookup", last);
        for (qsizetype i = 0; i < found; ++i) {
            if (TextCase::equalIgnoringCase(store.term(i), store.term(last)))
                fail("index lookup is not the first match", i);
        }
    }
    return 0;
}
