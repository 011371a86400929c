#include "script/descending_text_compare.h"

#include <QCollator>

// The program speaks Russian whatever the system's locale, and its lists sort the Russian way
// (ё beside е), Latin letters included, even where the system runs in the C locale.
int DescendingTextCompare(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator russian{QLocale(QLocale::Russian, QLocale::Russia)};
        russian.setCaseSensitivity(Qt::CaseInsensitive);
        return russian;
    }();
    return -collator.compare(a, b);
}
