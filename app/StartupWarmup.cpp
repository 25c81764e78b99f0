#include "app/StartupWarmup.h"

#include "dictionary/DictionaryLoader.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>
#include <system_error>

namespace {

// The cores this process may use other than the calling thread's; empty when there are none.
cpu_set_t coresBesideThisOne()
{
    cpu_set_t cores;
    const int current = sched_getcpu();
    if (current < 0 || current >= CPU_SETSIZE || sched_getaffinity(0, sizeof cores, &cores) != 0)
        CPU_ZERO(&cores);
    else
        CPU_CLR(static_cast<size_t>(current), &cores);
    return cores;
}

// The family of the font fontconfig gives for family: family itself when it is installed, else
// what the configuration puts in its place; empty when there is none. Qt asks the same when it
// does not know a family, but sorts every installed font to do so, once per family.
QString installedFamily(const QString& family)
{
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return {};
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return {};
    FcChar8* matched = nullptr;
    QString installed;
    if (FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch)
        installed = QString::fromUtf8(reinterpret_cast<const char*>(matched));
    FcPatternDestroy(match);
    return installed;
}

} // namespace

StartupWarmup::StartupWarmup(const QString& dictionaryPath, const QStringList& families)
{
    const cpu_set_t elsewhere = coresBesideThisOne();
    try {
        m_thread = std::thread([this, dictionaryPath, families, elsewhere] {
            // A new thread may start on the main thread's core and push it off: on a small
            // machine the main thread then waits for a scheduler tick while another core idles.
            if (CPU_COUNT(&elsewhere) > 0)
                sched_setaffinity(0, sizeof elsewhere, &elsewhere);
            FcInit();
            for (const QString& family : families) {
                const QString installed = installedFamily(family);
                if (!installed.isEmpty() && installed.compare(family, Qt::CaseInsensitive) != 0)
                    m_standIns.append({family, installed});
            }
            m_fontsRead.count_down();
            // Read while QApplication connects to the display, the file held up the X server's
            // replies by more than the read takes; read now, it overlaps the splash instead.
            m_applicationUp.wait();
            m_dictionary = DictionaryLoader::readAhead(dictionaryPath);
        });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself when it first needs a font, and
        // the load reads the file.
        m_fontsRead.count_down();
    }
}

StartupWarmup::~StartupWarmup()
{
    applicationStarted();
    if (m_thread.joinable())
        m_thread.join();
}

void StartupWarmup::applicationStarted()
{
    if (!m_applicationStarted) {
        m_applicationStarted = true;
        m_applicationUp.count_down();
    }
}

void StartupWarmup::waitForFonts()
{
    m_fontsRead.wait();
}

DictionaryLoader::ReadAhead StartupWarmup::takeDictionary()
{
    if (m_thread.joinable())
        m_thread.join();
    return std::move(m_dictionary);
}
