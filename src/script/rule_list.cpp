#include "script/rule_list.h"

#include "script/replace_engine.h"
#include "script/rule_batch.h"

#include <string>
#include <variant>
#include <vector>

namespace {

// A rule that runs by itself: its replacement is empty or shares characters with the patterns
// around it, so that replacing may make new occurrences.
struct SingleRule
{
    std::u16string pattern;
    std::u16string replacement;
};

} // namespace

// The rule list as the steps that run it: batches of rules that go together, and single rules.
class RuleProgram
{
public:
    explicit RuleProgram(const RuleList &rules)
    {
        for (const Rule &rule : rules) {
            if (rule.pattern.isEmpty())
                continue;
            auto *batch = m_steps.empty() ? nullptr : std::get_if<RuleBatch>(&m_steps.back());
            if (!batch || !batch->accepts(rule)) {
                if (!RuleBatch().accepts(rule)) {
                    m_steps.emplace_back(SingleRule{std::u16string(CharactersOf(rule.pattern)),
                                                    std::u16string(CharactersOf(rule.replacement))});
                    continue;
                }
                batch = &std::get<RuleBatch>(m_steps.emplace_back(RuleBatch()));
            }
            batch->add(rule);
        }
    }

    QString apply(const QString &text) const
    {
        std::u16string current(CharactersOf(text));
        std::u16string next;
        bool changed = false;
        for (const auto &step : m_steps) {
            bool replaced = false;
            if (const auto *batch = std::get_if<RuleBatch>(&step))
                replaced = batch->run(current, next);
            else if (const auto *single = std::get_if<SingleRule>(&step))
                replaced = ReplaceAllInto(current, single->pattern, single->replacement, next) > 0;
            if (replaced) {
                current.swap(next);
                changed = true;
            }
        }
        if (!changed)
            return text;
        return QString(reinterpret_cast<const QChar *>(current.data()),
                       static_cast<qsizetype>(current.size()));
    }

private:
    std::vector<std::variant<RuleBatch, SingleRule>> m_steps;
};

RuleSet::RuleSet()
    : m_program(std::make_shared<RuleProgram>(RuleList()))
{
}

RuleSet::RuleSet(RuleList rules)
    : m_rules(std::move(rules)), m_program(std::make_shared<RuleProgram>(m_rules))
{
}

QString RuleSet::apply(const QString &text) const
{
    return m_program->apply(text);
}

QString ApplyRules(const QString &text, const RuleList &rules)
{
    return RuleSet(rules).apply(text);
}
