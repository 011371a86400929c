#pragma once

#include <QList>
#include <QString>

#include <memory>

// One step of a conversion: every occurrence of pattern becomes replacement.
struct Rule
{
    QString pattern;
    QString replacement;
};

using RuleList = QList<Rule>;

class RuleProgram;

// A rule list made ready to run over long texts. Running it gives exactly what applying each rule
// in turn with ReplaceAll gives, in a few passes over the text rather than one per rule: runs of
// rules that cannot affect one another's matches go together.
class RuleSet
{
public:
    RuleSet();
    explicit RuleSet(RuleList rules);

    const RuleList &rules() const { return m_rules; }
    QString apply(const QString &text) const;

private:
    RuleList m_rules;
    std::shared_ptr<const RuleProgram> m_program;
};

// Runs the rules one after the other over the text, each with ReplaceAll.
QString ApplyRules(const QString &text, const RuleList &rules);
