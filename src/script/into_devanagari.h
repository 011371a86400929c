#pragma once

#include "script/rule_list.h"

#include <QString>

// The systems that are read back into Devanagari.
enum class SourceSystem {
    Iast,
    Kolkata,
    Itrans,
    HarvardKyoto,
    Slp1,
    Cyrillic, // with diacritics
};

const RuleSet &IntoDevanagariRules(SourceSystem system);
QString ToDevanagari(SourceSystem system, const QString &text);

QString IastToDevanagari(const QString &text);
QString KolkataToDevanagari(const QString &text);
QString ItransToDevanagari(const QString &text);
QString HarvardKyotoToDevanagari(const QString &text);
QString Slp1ToDevanagari(const QString &text);
QString CyrillicToDevanagari(const QString &text);
