#include "script/word_comparison.h"

namespace {

// Strips every character whose code is 32 or below from both ends.
QString trimControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

void appendOnce(QString &list, QChar letter)
{
    const QString entry = QString(letter) + u',';
    if (!list.contains(entry))
        list += entry;
}

void chopCommas(QString &list)
{
    while (list.endsWith(u','))
        list.chop(1);
}

} // namespace

LetterComparison CompareWordLetters(const QString &expected, const QString &answer)
{
    const QString word = trimControls(expected);
    const QString given = trimControls(answer);
    LetterComparison result;
    if (word == given) {
        result.right = word;
        return result;
    }
    if (given.isEmpty())
        return result;
    for (QChar letter : word)
        appendOnce(given.contains(letter) ? result.right : result.wrong, letter);
    for (QChar letter : given) {
        if (!word.contains(letter))
            appendOnce(result.wrong, letter);
    }
    chopCommas(result.right);
    chopCommas(result.wrong);
    return result;
}
