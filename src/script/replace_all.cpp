#include "script/replace_all.h"

#include <QStringView>

#include <vector>

namespace {

// The first occurrence of pattern in text at or after from, or -1. The first character is found
// with Qt's vectorised character search; most patterns of the rule lists are one to three
// characters long and rare in the text they are applied to.
qsizetype findFrom(QStringView text, QStringView pattern, qsizetype from)
{
    const QChar first = pattern.front();
    const QStringView tail = pattern.mid(1);
    const qsizetype lastStart = text.size() - pattern.size();
    while (from <= lastStart) {
        const qsizetype at = text.indexOf(first, from);
        if (at < 0 || at > lastStart)
            return -1;
        if (text.mid(at + 1, tail.size()) == tail)
            return at;
        from = at + 1;
    }
    return -1;
}

qsizetype replacementBound(qsizetype sourceLength)
{
    return 4 * sourceLength + 1024;
}

class Rewriter
{
public:
    Rewriter(QStringView source, QStringView pattern, QStringView replacement)
        : m_source(source), m_pattern(pattern), m_replacement(replacement),
          m_bound(replacementBound(source.size()))
    {
        m_out.reserve(source.size() + source.size() / 4 + 16);
    }

    // False when the rewriting did not settle within the bound.
    bool run(qsizetype firstMatch)
    {
        const qsizetype length = m_pattern.size();
        m_out.append(m_source.first(firstMatch));
        qsizetype pos = firstMatch + length;
        if (!replace())
            return false;
        while (true) {
            while (!m_pending.empty()) {
                const QChar c = m_pending.back();
                m_pending.pop_back();
                if (!feed(c))
                    return false;
            }
            // An occurrence may still start in the replaced text and end in the source; when one
            // does, its replacement opens such a window again.
            const qsizetype untouched = pos;
            const qsizetype straddleEnd = pos + length - 1;
            const qsizetype replacementsBefore = m_replacements;
            while (pos < straddleEnd && pos < m_source.size()
                   && m_replacements == replacementsBefore) {
                if (!feed(m_source[pos++]))
                    return false;
            }
            if (m_replacements != replacementsBefore)
                continue;
            // Any other occurrence lies wholly in the source that no replacement has touched; it
            // may begin among the characters just copied.
            const qsizetype match = findFrom(m_source, m_pattern, untouched);
            if (match < 0) {
                m_out.append(m_source.mid(pos));
                return true;
            }
            if (match < pos)
                m_out.chop(pos - match);
            else
                m_out.append(m_source.mid(pos, match - pos));
            pos = match + length;
            if (!replace())
                return false;
        }
    }

    QString result() { return std::move(m_out); }

private:
    // Appends one character of the text being rewritten; when that completes an occurrence (it is
    // then the leftmost one of the whole text), the occurrence makes way for the replacement.
    bool feed(QChar c)
    {
        m_out.append(c);
        const qsizetype length = m_pattern.size();
        if (c != m_pattern.back() || m_out.size() < length)
            return true;
        if (QStringView(m_out).last(length) != m_pattern)
            return true;
        m_out.chop(length);
        return replace();
    }

    bool replace()
    {
        if (++m_replacements > m_bound)
            return false;
        for (qsizetype i = m_replacement.size() - 1; i >= 0; --i)
            m_pending.push_back(m_replacement[i]);
        return true;
    }

    QStringView m_source;
    QStringView m_pattern;
    QStringView m_replacement;
    qsizetype m_bound;
    qsizetype m_replacements = 0;
    QString m_out;
    std::vector<QChar> m_pending; // replaced text still to be read, last character first
};

QString replaceOnce(const QString &source, const QString &pattern, const QString &replacement)
{
    QString result = source;
    return result.replace(pattern, replacement);
}

} // namespace

QString ReplaceAll(const QString &source, const QString &pattern, const QString &replacement)
{
    if (pattern.isEmpty())
        return source;
    const qsizetype first = findFrom(source, pattern, 0);
    if (first < 0)
        return source;
    if (replacement.contains(pattern))
        return replaceOnce(source, pattern, replacement);
    Rewriter rewriter(source, pattern, replacement);
    if (!rewriter.run(first))
        return replaceOnce(source, pattern, replacement);
    return rewriter.result();
}

void AddOrRemoveToken(QString &text, bool add, const QString &token)
{
    if (add)
        text.append(token);
    else
        text = ReplaceAll(text, token, QString());
}
