#include "platform/Fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace fonts {

QStringList registerApplicationFonts() {
    QStringList families;
    const QStringList files = QDir(QStringLiteral(":/fonts")).entryList({QStringLiteral("*.ttf")}, QDir::Files);
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
        for (const QString& family : QFontDatabase::applicationFontFamilies(id))
            if (!families.contains(family)) families.append(family);
    }
    // fontconfig does not know the Windows names of the Japanese faces.
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("M_NumP1"), QStringLiteral("IPAPGothic"));
    return families;
}

}  // namespace fonts
