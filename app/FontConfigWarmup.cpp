#include "app/FontConfigWarmup.h"

#include <fontconfig/fontconfig.h>

FontConfigWarmup::FontConfigWarmup() : m_thread([] { FcInit(); }) {}

FontConfigWarmup::~FontConfigWarmup()
{
    wait();
}

void FontConfigWarmup::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
