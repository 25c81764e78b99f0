#include "dictionary/Module1.h"

DictionaryLoader::Result Module1::LoadDictionary(const QString& DataPath)
{
    return DictionaryLoader::loadFile(DataPath);
}
