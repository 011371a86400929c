#pragma once

#include <QString>

struct LetterComparison
{
    QString right; // letters present in both words, comma-separated, in the order of the expected word
    QString wrong; // letters missing from the answer, then letters the answer has in excess
};

// Compares a learner's answer with the expected word letter by letter; vowel signs and the virama
// count as letters. A correct answer gives the whole word as the right letters; an empty answer
// gives nothing on either side.
LetterComparison CompareWordLetters(const QString &expected, const QString &answer);
