#include "script/sound_classes.h"

#include "script/replace_all.h"

#include <QStringView>

namespace {

struct ClassTerm
{
    QStringView key;
    QStringView term;
};

// Applied in this order; a later key may be part of an earlier one's text.
const ClassTerm classTerms[] = {
    {u"1varga", u"1 варга (группа)"},
    {u"2varga", u"2 варга (группа)"},
    {u"3varga", u"3 варга (группа)"},
    {u"4varga", u"4 варга (группа)"},
    {u"5varga", u"5 варга (группа)"},
    {u"tvoritel", u"Творительный падеж"},
    {u"dirgha", u"dīrgha"},
    {u"antahstha", u"antaḥstha"},
    {u"vyanjana", u"vyañjana"},
    {u"samana", u"samānākṣara"},
    {u"sandhyakshara", u"sandhyakṣara"},
    {u"sparsha", u"sparśa"},
    {u"ushman", u"uṣman"},
    {u"alpaprana", u"alpaprāṇa"},
    {u"mahaprana", u"mahāprāṇa"},
    {u"aghosha", u"aghoṣa"},
    {u",ghosha", u",ghoṣa"},
    {u"anunasika", u"anunāsika"},
    {u"kanthya", u"kaṇṭhya"},
    {u"murdhanya", u"mūrdhanya"},
    {u"oshthya", u"oṣṭhya"},
    {u"kanthatalavya", u"kaṇṭhatālavya"},
    {u"kanthaushthya", u"kaṇṭhauṣṭhya"},
    {u"dantaushthya", u"dantauṣṭhya"},
    {u",talavya", u",tālavya"},
};

} // namespace

QString ClassKeysToTerms(const QString &text)
{
    QString result = text;
    for (const ClassTerm &entry : classTerms)
        result = ReplaceAll(result, entry.key.toString(), entry.term.toString());
    return result;
}
