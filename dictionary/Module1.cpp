#include "dictionary/Module1.h"

#include "dictionary/DictionaryLoader.h"

namespace Module1 {

LoadOutcome LoadDictionary(const QString& DataPath, DictionaryLoader::ReadAhead ahead)
{
    DictionaryLoader::Result result = DictionaryLoader::loadFile(DataPath, std::move(ahead));
    if (!result.ok())
        return LoadOutcome{{}, 0, result.error};
    const qsizetype count = result.store.size();
    return LoadOutcome{std::move(result.store), count, {}};
}

} // namespace Module1
