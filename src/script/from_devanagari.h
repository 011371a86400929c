#pragma once

#include "script/master_table.h"
#include "script/rule_list.h"

#include <QString>
#include <QStringView>

// The orders in which the rules from Devanagari are applied. They are part of the conversion: a
// different order gives different results on some texts.
namespace RuleOrder {
inline constexpr QStringView Signs = u"ाेैौोीिूुॄृॣॢ";
inline constexpr QStringView Consonants = u"रमकवलसचतबहगदयपषशडटङणञनघभछफठथढधजझखळ";
inline constexpr QStringView Vowels = u"अआएऐऔओईइऊउॠऋॡऌ";
inline constexpr QStringView SignsAfterVirama = u"ःंँ";
inline constexpr QStringView LastUnits = u"॒॑ॐऽ॥।";
} // namespace RuleOrder

// The rule list that writes Devanagari in the given system.
const RuleSet &FromDevanagariRules(TargetSystem system);
QString DevanagariTo(TargetSystem system, const QString &text);

QString DevanagariToIast(const QString &text);
QString DevanagariToKolkata(const QString &text);
QString DevanagariToItrans(const QString &text);
QString DevanagariToHarvardKyoto(const QString &text);
QString DevanagariToSlp1(const QString &text);
QString DevanagariToVelthuis(const QString &text);
QString DevanagariToCyrillic(const QString &text);
QString DevanagariToCyrillicLong(const QString &text);
QString DevanagariToCyrillicPlain(const QString &text);
