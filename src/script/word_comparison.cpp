#include "script/word_comparison.h"

#include "shell/text_trim.h"

namespace {

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
    const QString word = TrimControls(expected);
    const QString given = TrimControls(answer);
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
