#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

// What one run of samvidra-translit produced.
struct TranslitOutcome
{
    int status = 0; // 0 done, 1 unreadable input, 2 wrong use
    QByteArray out;
    QByteArray err;
};

// Runs samvidra-translit with the given arguments (the program's name left out). Standard input
// is read through readInput, and only when no text is given on the command line.
TranslitOutcome RunTranslit(const QList<QByteArray> &arguments,
                            const std::function<QByteArray()> &readInput);
