#include "app/FontConfigWarmup.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

FontConfigWarmup::FontConfigWarmup()
{
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself when it first needs a font.
    }
}

FontConfigWarmup::~FontConfigWarmup()
{
    wait();
}

void FontConfigWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
