#include "app/StartupWarmup.h"

#include "dictionary/DictionaryLoader.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

StartupWarmup::StartupWarmup(const QString& dictionaryPath)
{
    try {
        m_thread = std::thread([this, dictionaryPath] {
            FcInit();
            m_fontsRead.count_down();
            m_memory = DictionaryLoader::prepareMemory(dictionaryPath);
        });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself when it first needs a font, and
        // the load takes fresh memory.
        m_fontsRead.count_down();
    }
}

StartupWarmup::~StartupWarmup()
{
    if (m_thread.joinable())
        m_thread.join();
}

void StartupWarmup::waitForFonts()
{
    m_fontsRead.wait();
}

PageBuffer StartupWarmup::takeDictionaryMemory()
{
    if (m_thread.joinable())
        m_thread.join();
    return std::move(m_memory);
}
