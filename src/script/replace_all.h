#pragma once

#include <QString>

// Replaces every occurrence of pattern in source, searching the text again from its start after
// each replacement, so that a replacement which forms the pattern anew with the text around it is
// replaced in turn ("aaaa" with "aa" -> "a" gives "a"). An empty pattern changes nothing.
//
// The result is computed in one left-to-right sweep: after a replacement at position i no
// occurrence can start before i - L + 1, so only the replaced text and its L - 1 neighbours on the
// left need looking at again. The cost is linear in the length of the text.
//
// Rewriting of that kind need not end: a replacement that contains its own pattern recreates it
// for ever, and a few others grow the text without limit. Such a rule is applied once to each
// occurrence present in the source, left to right, as QString::replace does. The second kind is
// recognised by its number of replacements exceeding a bound linear in the length of the source.
QString ReplaceAll(const QString &source, const QString &pattern, const QString &replacement);

// Appends token to text when add is set; otherwise removes every occurrence of it.
void AddOrRemoveToken(QString &text, bool add, const QString &token);
