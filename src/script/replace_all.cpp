#include "script/replace_all.h"

#include "script/replace_engine.h"

#include <QStringView>

#include <algorithm>
#include <vector>

namespace {

// Finds occurrences of a pattern. Its first character is looked for one character at a time over
// a short stretch, where the next occurrence usually is when there are many, and beyond it with
// Qt's vectorised search; the rest of the pattern is compared where the first turns up.
class PatternFinder
{
public:
    explicit PatternFinder(std::u16string_view pattern)
        : m_pattern(pattern)
    {
    }

    // The first occurrence in text that starts at or after from, or -1.
    qsizetype find(std::u16string_view text, qsizetype from) const
    {
        const qsizetype length = static_cast<qsizetype>(m_pattern.size());
        const qsizetype lastStart = static_cast<qsizetype>(text.size()) - length;
        const char16_t first = m_pattern.front();
        qsizetype at = from;
        while (at <= lastStart) {
            const qsizetype probeEnd = std::min(at + 16, lastStart + 1);
            while (at < probeEnd && text[at] != first)
                ++at;
            if (at == probeEnd) {
                if (at > lastStart)
                    return -1;
                at = QStringView(text.data(), text.size()).indexOf(QChar(first), at);
                if (at < 0 || at > lastStart)
                    return -1;
            }
            if (text.compare(at, length, m_pattern) == 0)
                return at;
            ++at;
        }
        return -1;
    }

private:
    std::u16string_view m_pattern;
};

qsizetype replacementBound(qsizetype sourceLength)
{
    return 4 * sourceLength + 1024;
}

// The rewriting that searches again from the start after each replacement, done in one sweep.
class Rewriter
{
public:
    Rewriter(std::u16string_view source, std::u16string_view pattern,
             std::u16string_view replacement, const PatternFinder &finder, std::u16string &out)
        : m_source(source), m_pattern(pattern), m_replacement(replacement), m_finder(finder),
          m_bound(replacementBound(static_cast<qsizetype>(source.size()))), m_out(out)
    {
    }

    // False when the rewriting did not settle within the bound.
    bool run(qsizetype firstMatch)
    {
        const qsizetype length = static_cast<qsizetype>(m_pattern.size());
        const qsizetype size = static_cast<qsizetype>(m_source.size());
        m_out.assign(m_source.substr(0, firstMatch));
        qsizetype pos = firstMatch + length;
        if (!replace())
            return false;
        while (true) {
            while (!m_pending.empty()) {
                const char16_t c = m_pending.back();
                m_pending.pop_back();
                if (!feed(c))
                    return false;
            }
            // An occurrence may still start in the replaced text and end in the source; when one
            // does, its replacement opens such a window again.
            const qsizetype untouched = pos;
            const qsizetype straddleEnd = pos + length - 1;
            const qsizetype replacementsBefore = m_replacements;
            while (pos < straddleEnd && pos < size && m_replacements == replacementsBefore) {
                if (!feed(m_source[pos++]))
                    return false;
            }
            if (m_replacements != replacementsBefore)
                continue;
            // Any other occurrence lies wholly in the source that no replacement has touched; it
            // may begin among the characters just copied.
            const qsizetype match = m_finder.find(m_source, untouched);
            if (match < 0) {
                m_out.append(m_source.substr(pos));
                return true;
            }
            if (match < pos)
                m_out.resize(m_out.size() - (pos - match));
            else
                m_out.append(m_source.substr(pos, match - pos));
            pos = match + length;
            if (!replace())
                return false;
        }
    }

    qsizetype replacements() const { return m_replacements; }

private:
    // Appends one character of the text being rewritten; when that completes an occurrence (it is
    // then the leftmost one of the whole text), the occurrence makes way for the replacement.
    bool feed(char16_t c)
    {
        m_out.push_back(c);
        const size_t length = m_pattern.size();
        if (c != m_pattern.back() || m_out.size() < length)
            return true;
        if (std::u16string_view(m_out).substr(m_out.size() - length) != m_pattern)
            return true;
        m_out.resize(m_out.size() - length);
        return replace();
    }

    bool replace()
    {
        if (++m_replacements > m_bound)
            return false;
        m_pending.insert(m_pending.end(), m_replacement.rbegin(), m_replacement.rend());
        return true;
    }

    std::u16string_view m_source;
    std::u16string_view m_pattern;
    std::u16string_view m_replacement;
    const PatternFinder &m_finder;
    qsizetype m_bound;
    qsizetype m_replacements = 0;
    std::u16string &m_out;
    std::vector<char16_t> m_pending; // replaced text still to be read, last character first
};

// One left-to-right pass over the occurrences present in the source, none of them overlapping.
qsizetype replaceOnce(std::u16string_view source, std::u16string_view replacement,
                      const PatternFinder &finder, qsizetype length, qsizetype first,
                      std::u16string &out)
{
    out.clear();
    qsizetype pos = 0;
    qsizetype count = 0;
    for (qsizetype at = first; at >= 0; at = finder.find(source, pos)) {
        out.append(source.substr(pos, at - pos));
        out.append(replacement);
        pos = at + length;
        ++count;
    }
    out.append(source.substr(pos));
    return count;
}

} // namespace

qsizetype ReplaceAllInto(std::u16string_view source, std::u16string_view pattern,
                         std::u16string_view replacement, std::u16string &out)
{
    if (pattern.empty())
        return 0;
    const PatternFinder finder(pattern);
    const qsizetype first = finder.find(source, 0);
    if (first < 0)
        return 0;
    const qsizetype length = static_cast<qsizetype>(pattern.size());
    // A replacement none of whose characters is in the pattern cannot take part in a new
    // occurrence, nor join its neighbours into one: every occurrence is then one of the source's,
    // and one pass replaces them all. Most rules of the conversions are of that kind.
    const bool inert = !replacement.empty()
        && std::none_of(replacement.cbegin(), replacement.cend(), [pattern](char16_t c) {
               return pattern.find(c) != std::u16string_view::npos;
           });
    if (!inert && replacement.find(pattern) == std::u16string_view::npos) {
        Rewriter rewriter(source, pattern, replacement, finder, out);
        if (rewriter.run(first))
            return rewriter.replacements();
    }
    return replaceOnce(source, replacement, finder, length, first, out);
}

QString ReplaceAll(const QString &source, const QString &pattern, const QString &replacement)
{
    std::u16string out;
    if (ReplaceAllInto(CharactersOf(source), CharactersOf(pattern), CharactersOf(replacement), out) == 0)
        return source;
    return QString(reinterpret_cast<const QChar *>(out.data()), static_cast<qsizetype>(out.size()));
}

void AddOrRemoveToken(QString &text, bool add, const QString &token)
{
    if (add)
        text.append(token);
    else
        text = ReplaceAll(text, token, QString());
}
