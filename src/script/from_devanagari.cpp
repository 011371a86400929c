#include "script/from_devanagari.h"

#include "script/repertoire.h"

#include <QStringView>

#include <array>

namespace {

RuleList buildRules(TargetSystem system)
{
    RuleList rules;
    const auto value = [system](QChar unit) { return MasterValue(unit, system); };
    const QString inherentVowel = QString::fromUtf16(value(u'अ'));

    // A vowel sign becomes virama + vowel, so that the consonant before it loses its inherent
    // vowel in the next step; a sign that follows no consonant keeps only the vowel once the
    // remaining viramas are deleted.
    for (QChar sign : RuleOrder::Signs) {
        if (const char16_t *v = value(sign))
            rules.append({QString(sign), Devanagari::Virama + QString::fromUtf16(v)});
    }
    for (QChar consonant : RuleOrder::Consonants) {
        if (const char16_t *v = value(consonant))
            rules.append({QString(consonant) + Devanagari::Virama, QString::fromUtf16(v)});
    }
    for (QChar consonant : RuleOrder::Consonants) {
        if (const char16_t *v = value(consonant))
            rules.append({QString(consonant), QString::fromUtf16(v) + inherentVowel});
    }
    for (QChar vowel : RuleOrder::Vowels) {
        if (const char16_t *v = value(vowel))
            rules.append({QString(vowel), QString::fromUtf16(v)});
    }
    for (char16_t digit = 0; digit < 10; ++digit)
        rules.append({QString(QChar(Devanagari::DigitZero + digit)), QString(QChar(u'0' + digit))});
    rules.append({QString(Devanagari::Virama), QString()});
    for (QStringView group : {RuleOrder::SignsAfterVirama, RuleOrder::LastUnits}) {
        for (QChar unit : group) {
            if (const char16_t *v = value(unit))
                rules.append({QString(unit), QString::fromUtf16(v)});
        }
    }
    return rules;
}

std::array<RuleSet, TargetSystemCount> buildAllRules()
{
    std::array<RuleSet, TargetSystemCount> all;
    for (int i = 0; i < TargetSystemCount; ++i)
        all[i] = RuleSet(buildRules(static_cast<TargetSystem>(i)));
    return all;
}

} // namespace

const RuleSet &FromDevanagariRules(TargetSystem system)
{
    static const std::array<RuleSet, TargetSystemCount> all = buildAllRules();
    return all[static_cast<int>(system)];
}

QString DevanagariTo(TargetSystem system, const QString &text)
{
    return FromDevanagariRules(system).apply(text);
}

QString DevanagariToIast(const QString &text) { return DevanagariTo(TargetSystem::Iast, text); }
QString DevanagariToKolkata(const QString &text) { return DevanagariTo(TargetSystem::Kolkata, text); }
QString DevanagariToItrans(const QString &text) { return DevanagariTo(TargetSystem::Itrans, text); }
QString DevanagariToHarvardKyoto(const QString &text) { return DevanagariTo(TargetSystem::HarvardKyoto, text); }
QString DevanagariToSlp1(const QString &text) { return DevanagariTo(TargetSystem::Slp1, text); }
QString DevanagariToVelthuis(const QString &text) { return DevanagariTo(TargetSystem::Velthuis, text); }
QString DevanagariToCyrillic(const QString &text) { return DevanagariTo(TargetSystem::Cyrillic, text); }
QString DevanagariToCyrillicLong(const QString &text) { return DevanagariTo(TargetSystem::CyrillicLong, text); }
QString DevanagariToCyrillicPlain(const QString &text) { return DevanagariTo(TargetSystem::CyrillicPlain, text); }
