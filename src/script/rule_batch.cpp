#include "script/rule_batch.h"

#include "script/replace_engine.h"

#include <algorithm>

namespace {

bool shareCharacters(std::u16string_view a, std::u16string_view b)
{
    return std::any_of(a.cbegin(), a.cend(),
                       [b](char16_t c) { return b.find(c) != std::u16string_view::npos; });
}

// Copies the few characters between two occurrences, or of a replacement, faster than a call.
char16_t *copyShort(const char16_t *first, const char16_t *last, char16_t *to)
{
    while (first != last)
        *to++ = *first++;
    return to;
}

// A stable sort by one field, for the few occurrences of a cluster, where insertion is quickest.
template<typename Item, typename Key>
void sortFew(std::vector<Item> &items, Key Item::*key)
{
    for (size_t k = 1; k < items.size(); ++k) {
        const Item moving = items[k];
        size_t m = k;
        for (; m > 0 && items[m - 1].*key > moving.*key; --m)
            items[m] = items[m - 1];
        items[m] = moving;
    }
}

} // namespace

bool RuleBatch::accepts(const Rule &rule) const
{
    const std::u16string_view pattern = CharactersOf(rule.pattern);
    const std::u16string_view replacement = CharactersOf(rule.replacement);
    return !pattern.empty() && !replacement.empty() && !shareCharacters(replacement, pattern)
        && !shareCharacters(replacement, m_patternChars)
        && !shareCharacters(pattern, m_replacementChars);
}

void RuleBatch::add(const Rule &rule)
{
    const int id = static_cast<int>(m_patterns.size());
    m_patterns.emplace_back(CharactersOf(rule.pattern));
    m_replacements.emplace_back(CharactersOf(rule.replacement));
    m_lengthChange.push_back(rule.replacement.size() - rule.pattern.size());
    m_patternChars += m_patterns.back();
    m_replacementChars += m_replacements.back();

    const std::u16string &pattern = m_patterns.back();
    int node = rootChild(pattern.front());
    if (node < 0)
        node = addRootChild(pattern.front());
    for (size_t i = 1; i < pattern.size(); ++i) {
        const int next = child(node, pattern[i]);
        node = next >= 0 ? next : addChild(node, pattern[i]);
    }
    m_nodes[node].ending.push_back(id);
}

bool RuleBatch::run(std::u16string_view text, std::u16string &out) const
{
    const qsizetype size = static_cast<qsizetype>(text.size());
    // Every occurrence of every pattern, as the rule and the position where it starts, in the
    // order of the positions.
    thread_local std::vector<Occurrence> found;
    found.clear();
    bool overlapping = false;
    qsizetype reach = 0;
    for (qsizetype p = 0; p < size; ++p) {
        int node = rootChild(text[p]);
        for (qsizetype q = p; node >= 0;) {
            for (int id : m_nodes[node].ending) {
                found.push_back({id, p});
                overlapping |= p < reach;
                reach = std::max(reach, q + 1);
            }
            if (++q >= size)
                break;
            node = child(node, text[q]);
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
        pos = endOf(occurrence);
    }
    std::copy(from + pos, from + size, to);
    return true;
}

qsizetype RuleBatch::endOf(const Occurrence &occurrence) const
{
    return occurrence.start + static_cast<qsizetype>(m_patterns[occurrence.rule].size());
}

// Where occurrences overlap, the rules take theirs in rule order, each from left to right and only
// where nothing is taken yet; found is left with the occurrences taken, in the order of their
// positions. Overlaps come in small clusters, each settled on its own.
void RuleBatch::resolveOverlaps(std::vector<Occurrence> &found) const
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
            found[kept++] = found[i++];
            continue;
        }
        cluster.assign(found.begin() + i, found.begin() + j);
        sortFew(cluster, &Occurrence::rule);
        taken.clear();
        for (const Occurrence &candidate : cluster) {
            const bool free = std::none_of(taken.cbegin(), taken.cend(), [&](const Occurrence &t) {
                return candidate.start < endOf(t) && t.start < endOf(candidate);
            });
            if (free)
                taken.push_back(candidate);
        }
        sortFew(taken, &Occurrence::start);
        for (const Occurrence &t : taken)
            found[kept++] = t;
        i = j;
    }
    found.resize(kept);
}

int RuleBatch::rootChild(char16_t c) const
{
    const int page = m_rootPageOf[c >> 8];
    return page < 0 ? -1 : m_rootPages[page][c & 0xFF];
}

int RuleBatch::child(int node, char16_t c) const
{
    for (const auto &[key, next] : m_nodes[node].children) {
        if (key == c)
            return next;
    }
    return -1;
}

int RuleBatch::addRootChild(char16_t c)
{
    int &page = m_rootPageOf[c >> 8];
    if (page < 0) {
        page = static_cast<int>(m_rootPages.size());
        m_rootPages.push_back(noPages());
    }
    m_nodes.emplace_back();
    return m_rootPages[page][c & 0xFF] = static_cast<int>(m_nodes.size() - 1);
}

int RuleBatch::addChild(int node, char16_t c)
{
    m_nodes.emplace_back();
    const int next = static_cast<int>(m_nodes.size() - 1);
    m_nodes[node].children.emplace_back(c, next);
    return next;
}

std::array<int, 256> RuleBatch::noPages()
{
    std::array<int, 256> index;
    index.fill(-1);
    return index;
}
