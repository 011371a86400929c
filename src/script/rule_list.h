#pragma once

#include <QList>
#include <QString>

// One step of a conversion: every occurrence of pattern becomes replacement.
struct Rule
{
    QString pattern;
    QString replacement;
};

using RuleList = QList<Rule>;

// Runs the rules one after the other over the text, each with ReplaceAll.
QString ApplyRules(const QString &text, const RuleList &rules);
