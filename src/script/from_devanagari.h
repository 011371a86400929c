#pragma once

#include "script/master_table.h"
#include "script/rule_list.h"

#include <QString>

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
