#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringView>

// A text of minLength to maxLength characters drawn from alphabet.
inline QString RandomText(QRandomGenerator &random, QStringView alphabet, int minLength, int maxLength)
{
    QString text;
    const int length = minLength + random.bounded(maxLength - minLength + 1);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}
