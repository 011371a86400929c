#include "script/rule_list.h"

#include "script/replace_engine.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <string>
#include <variant>
#include <vector>

namespace {

std::u16string_view viewOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size())};
}

// A run of rules applied together in one pass.
//
// Take rules whose replacements are not empty and hold no character of any pattern of the run.
// Applied one after the other, each replaces occurrences that were already in the text the run
// started from: a replaced stretch can neither be part of a later occurrence nor join its
// neighbours into one. So the first rule takes its occurrences from left to right, each not
// overlapping the one before; the next rule takes, likewise, those that overlap nothing taken
// yet; and so on. One search of the text finds every occurrence of every pattern, the rules then
// take theirs in order, and one more pass writes the result.
// Copies the few characters between two occurrences, or of a replacement, faster than a call.
char16_t *copyShort(const char16_t *first, const char16_t *last, char16_t *to)
{
    while (first != last)
        *to++ = *first++;
    return to;
}

class RuleBatch
{
public:
    bool accepts(const Rule &rule) const
    {
        if (rule.replacement.isEmpty())
            return false;
        for (QChar c : rule.replacement) {
            if (m_patternChars.contains(c.unicode()) || rule.pattern.contains(c))
                return false;
        }
        for (QChar c : rule.pattern) {
            if (m_replacementChars.contains(c.unicode()))
                return false;
        }
        return true;
    }

    void add(const Rule &rule)
    {
        const int id = static_cast<int>(m_patterns.size());
        m_patterns.emplace_back(viewOf(rule.pattern));
        m_replacements.emplace_back(viewOf(rule.replacement));
        m_lengthChange.push_back(rule.replacement.size() - rule.pattern.size());
        for (QChar c : rule.pattern)
            m_patternChars.insert(c.unicode());
        for (QChar c : rule.replacement)
            m_replacementChars.insert(c.unicode());

        int node = rootChild(rule.pattern.front().unicode(), true);
        for (qsizetype i = 1; i < rule.pattern.size(); ++i)
            node = child(node, rule.pattern[i].unicode(), true);
        m_nodes[node].ending.push_back(id);
    }

    // False when no rule of the run matched, and out is left as it was.
    bool run(std::u16string_view text, std::u16string &out) const
    {
        const qsizetype size = static_cast<qsizetype>(text.size());
        // Every occurrence of every pattern, as the rule and the position where it starts, in
        // the order of the positions.
        thread_local std::vector<Occurrence> found;
        found.clear();
        bool overlapping = false;
        qsizetype reach = 0;
        for (qsizetype p = 0; p < size; ++p) {
            int node = rootChild(text[p], false);
            for (qsizetype q = p; node >= 0;) {
                for (int id : m_nodes[node].ending) {
                    found.push_back({id, p});
                    overlapping |= p < reach;
                    reach = std::max(reach, q + 1);
                }
                if (++q >= size)
                    break;
                node = child(node, text[q], false);
            }
        }
        if (found.empty())
            return false;
        if (overlapping)
            resolveOverlaps(found);

        qsizetype outSize = size;
        for (const Occurrence &occurrence : found)
            outSize += m_lengthChange[occurrence.rule];
        out.resize(static_cast<size_t>(outSize));
        char16_t *to = out.data();
        const char16_t *from = text.data();
        qsizetype pos = 0;
        for (const Occurrence &occurrence : found) {
            to = copyShort(from + pos, from + occurrence.start, to);
            const std::u16string &replacement = m_replacements[occurrence.rule];
            to = copyShort(replacement.data(), replacement.data() + replacement.size(), to);
            pos = occurrence.start + static_cast<qsizetype>(m_patterns[occurrence.rule].size());
        }
        std::copy(from + pos, from + size, to);
        return true;
    }

private:
    struct Occurrence
    {
        int rule;
        qsizetype start;
    };

    qsizetype endOf(const Occurrence &occurrence) const
    {
        return occurrence.start + static_cast<qsizetype>(m_patterns[occurrence.rule].size());
    }

    // Where occurrences overlap, the rules take theirs in rule order, each from left to right
    // and only where nothing is taken yet; found is left with the occurrences taken, in the order
    // of their positions. Overlaps come in small clusters, each settled on its own.
    void resolveOverlaps(std::vector<Occurrence> &found) const
    {
        std::vector<Occurrence> cluster;
        std::vector<Occurrence> taken;
        size_t kept = 0;
        for (size_t i = 0; i < found.size();) {
            size_t j = i + 1;
            qsizetype reach = endOf(found[i]);
            while (j < found.size() && found[j].start < reach)
                reach = std::max(reach, endOf(found[j++]));
            if (j == i + 1) {
                found[kept++] = found[i];
                i = j;
                continue;
            }
            // Into rule order, keeping the order of positions within a rule; clusters hold a few
            // occurrences, so insertion is the quickest sort.
            cluster.assign(found.begin() + i, found.begin() + j);
            for (size_t k = 1; k < cluster.size(); ++k) {
                const Occurrence moving = cluster[k];
                size_t m = k;
                for (; m > 0 && cluster[m - 1].rule > moving.rule; --m)
                    cluster[m] = cluster[m - 1];
                cluster[m] = moving;
            }
            taken.clear();
            for (const Occurrence &candidate : cluster) {
                const bool free = std::none_of(taken.cbegin(), taken.cend(), [&](const Occurrence &t) {
                    return candidate.start < endOf(t) && t.start < endOf(candidate);
                });
                if (free)
                    taken.push_back(candidate);
            }
            for (size_t k = 1; k < taken.size(); ++k) {
                const Occurrence moving = taken[k];
                size_t m = k;
                for (; m > 0 && taken[m - 1].start > moving.start; --m)
                    taken[m] = taken[m - 1];
                taken[m] = moving;
            }
            for (const Occurrence &t : taken)
                found[kept++] = t;
            i = j;
        }
        found.resize(kept);
    }

    struct Node
    {
        std::vector<std::pair<char16_t, int>> children;
        std::vector<int> ending; // rules whose pattern ends here, in rule order
    };

    // The first characters of the patterns are many, so they are found through a two-level
    // table; deeper nodes have a handful of children each.
    int rootChild(char16_t c, bool create) const
    {
        const int page = m_rootPageOf[c >> 8];
        if (page >= 0) {
            if (const int node = m_rootPages[page][c & 0xFF]; node >= 0)
                return node;
        }
        return create ? const_cast<RuleBatch *>(this)->addRootChild(c) : -1;
    }

    int addRootChild(char16_t c)
    {
        int &page = m_rootPageOf[c >> 8];
        if (page < 0) {
            page = static_cast<int>(m_rootPages.size());
            m_rootPages.emplace_back();
            m_rootPages.back().fill(-1);
        }
        m_nodes.emplace_back();
        return m_rootPages[page][c & 0xFF] = static_cast<int>(m_nodes.size() - 1);
    }

    int child(int node, char16_t c, bool create) const
    {
        for (const auto &[key, next] : m_nodes[node].children) {
            if (key == c)
                return next;
        }
        if (!create)
            return -1;
        auto *self = const_cast<RuleBatch *>(this);
        self->m_nodes.emplace_back();
        const int next = static_cast<int>(m_nodes.size() - 1);
        self->m_nodes[node].children.emplace_back(c, next);
        return next;
    }

    std::vector<std::u16string> m_patterns;
    std::vector<std::u16string> m_replacements;
    std::vector<qsizetype> m_lengthChange;
    QSet<char16_t> m_patternChars;
    QSet<char16_t> m_replacementChars;
    std::vector<Node> m_nodes;
    std::array<int, 256> m_rootPageOf = filledPageIndex();
    std::vector<std::array<int, 256>> m_rootPages;

    static std::array<int, 256> filledPageIndex()
    {
        std::array<int, 256> index;
        index.fill(-1);
        return index;
    }
};

// A rule that must run by itself: its replacement is empty or shares characters with patterns
// around it, so that replacing may make new occurrences.
struct SingleRule
{
    std::u16string pattern;
    std::u16string replacement;
};

} // namespace

class RuleProgram
{
public:
    explicit RuleProgram(const RuleList &rules)
    {
        for (const Rule &rule : rules) {
            if (rule.pattern.isEmpty())
                continue;
            if (!m_steps.empty()) {
                if (auto *batch = std::get_if<RuleBatch>(&m_steps.back()); batch && batch->accepts(rule)) {
                    batch->add(rule);
                    continue;
                }
            }
            RuleBatch batch;
            if (batch.accepts(rule)) {
                batch.add(rule);
                m_steps.emplace_back(std::move(batch));
            } else {
                m_steps.emplace_back(SingleRule{std::u16string(viewOf(rule.pattern)),
                                                std::u16string(viewOf(rule.replacement))});
            }
        }
    }

    QString apply(const QString &text) const
    {
        std::u16string current(viewOf(text));
        std::u16string next;
        bool changed = false;
        for (const auto &step : m_steps) {
            bool replaced = false;
            if (const auto *batch = std::get_if<RuleBatch>(&step))
                replaced = batch->run(current, next);
            else if (const auto *single = std::get_if<SingleRule>(&step))
                replaced = ReplaceAllInto(current, single->pattern, single->replacement, 0, next) > 0;
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
