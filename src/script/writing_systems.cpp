#include "script/writing_systems.h"

using namespace Qt::StringLiterals;

const QList<WritingSystem> &WritingSystems()
{
    static const QList<WritingSystem> systems = {
        {u"iast"_s, u"iast"_s, u"IAST (International Alphabet of Sanskrit Transliteration)"_s,
         u"IAST"_s, TargetSystem::Iast, SourceSystem::Iast},
        {u"cyr"_s, u"cyr"_s, u"Кириллица с диакритиками"_s, u"Кириллица с диакритиками"_s,
         TargetSystem::Cyrillic, SourceSystem::Cyrillic},
        {u"itrans"_s, u"itrans"_s, u"ITRANS"_s, u"ITRANS"_s, TargetSystem::Itrans,
         SourceSystem::Itrans},
        {u"harvard-kyoto"_s, u"harvard-kyoto"_s, u"Harvard-Kyoto"_s, u"Гарвард-Киото"_s,
         TargetSystem::HarvardKyoto, SourceSystem::HarvardKyoto},
        {u"kolkata"_s, u"kolkata"_s, u"Kolkata"_s, u"Калькутта"_s, TargetSystem::Kolkata,
         SourceSystem::Kolkata},
        {u"slp1"_s, QString(), QString(), u"SLP1"_s, TargetSystem::Slp1, SourceSystem::Slp1},
        {u"velthuis"_s, QString(), QString(), u"Вельтхёйс"_s, TargetSystem::Velthuis, std::nullopt},
        {u"cyr-long"_s, QString(), QString(),
         u"Кириллица без диакритиков с удлинёнными гласными"_s, TargetSystem::CyrillicLong,
         std::nullopt},
        {u"cyr-plain"_s, QString(), QString(),
         u"Кириллица без диакритиков и без удлинённых гласных"_s, TargetSystem::CyrillicPlain,
         std::nullopt},
    };
    return systems;
}

const WritingSystem *FindWritingSystem(const QString &code)
{
    for (const WritingSystem &system : WritingSystems()) {
        if (system.code == code)
            return &system;
    }
    return nullptr;
}
