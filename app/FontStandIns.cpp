#include "app/FontStandIns.h"

#include <QFont>
#include <fontconfig/fontconfig.h>

namespace {

// The family of the font fontconfig gives for family, after the configuration's substitutions,
// as Qt asks it; empty when there is none.
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

namespace FontStandIns {

QList<std::pair<QString, QString>> resolve(const QStringList& families)
{
    QList<std::pair<QString, QString>> standIns;
    for (const QString& family : families) {
        const QString installed = installedFamily(family);
        if (!installed.isEmpty() && installed.compare(family, Qt::CaseInsensitive) != 0)
            standIns.append({family, installed});
    }
    return standIns;
}

void install(const QStringList& families)
{
    for (const auto& [family, installed] : resolve(families))
        QFont::insertSubstitution(family, installed);
}

} // namespace FontStandIns
