#include "dictionary/Module1.h"

#include "dictionary/DictionaryLoader.h"

namespace Module1 {

LoadOutcome LoadDictionary()
{
    DictionaryLoader::Result result = DictionaryLoader::loadFile(DataPath);
    if (!result.ok())
        return LoadOutcome{0, result.error};
    Store = std::move(result.store);
    return LoadOutcome{Store.size(), {}};
}

} // namespace Module1
