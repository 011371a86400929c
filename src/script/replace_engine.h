#pragma once

#include <QString>

#include <string>
#include <string_view>

// The characters of a text, for the code that rewrites them in plain buffers.
inline std::u16string_view CharactersOf(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size())};
}

// The rewriting of ReplaceAll over plain character buffers, for the rule lists that run many rules
// over one text. Returns the number of replacements made; when there were any, out holds the
// result, otherwise out is left unspecified and the result is the source itself.
qsizetype ReplaceAllInto(std::u16string_view source, std::u16string_view pattern,
                         std::u16string_view replacement, std::u16string &out);
