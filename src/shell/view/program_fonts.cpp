#include "shell/view/program_fonts.h"

#include <QDirIterator>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace ProgramFonts {

QStringList DevanagariFamilies()
{
    return {u"Noto Sans Devanagari"_s, u"Lohit Devanagari"_s, u"Nakula"_s,
            u"Sahadeva"_s,             u"Noto Serif Devanagari"_s, u"Annapurna SIL"_s};
}

QString RecommendedDevanagariFamily()
{
    return u"Annapurna SIL"_s;
}

QString TextFamily()
{
    return u"Noto Sans"_s;
}

QStringList Register()
{
    QStringList families;
    QDirIterator fonts(u":/fonts"_s, QDir::Files);
    while (fonts.hasNext()) {
        QFile file(fonts.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
        if (id >= 0)
            families += QFontDatabase::applicationFontFamilies(id);
    }
    QFont::insertSubstitution(u"Tahoma"_s, TextFamily());
    QFont::insertSubstitution(u"Lucida Sans Unicode"_s, TextFamily());
    QFont::insertSubstitution(u"Mangal"_s, u"Noto Sans Devanagari"_s);
    families.removeDuplicates();
    return families;
}

} // namespace ProgramFonts
