#include "script/rule_list.h"

#include "script/replace_all.h"

QString ApplyRules(const QString &text, const RuleList &rules)
{
    QString result = text;
    for (const Rule &rule : rules)
        result = ReplaceAll(result, rule.pattern, rule.replacement);
    return result;
}
