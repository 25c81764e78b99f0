#include "dictionary/Module1.h"

#include "dictionary/DictionaryLoader.h"

namespace Module1 {

LoadOutcome LoadDictionary(const QString& DataPath)
{
    DictionaryLoader::Result result = DictionaryLoader::loadFile(DataPath);
    if (!result.ok())
        return LoadOutcome{{}, 0, result.error};
    const qsizetype count = result.store.size();
    return LoadOutcome{std::move(result.store), count, {}};
}

} // namespace Module1
