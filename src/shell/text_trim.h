#pragma once

#include <QString>

// The text without the characters of code 32 or below at either end: blanks, tabs, line breaks
// and the other control characters.
inline QString TrimControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}
