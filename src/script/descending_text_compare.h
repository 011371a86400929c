#pragma once

#include <QString>

// Orders texts from Я to А and from z to a, ignoring case, by the rules of Russian.
// Negative when a comes first.
int DescendingTextCompare(const QString &a, const QString &b);
