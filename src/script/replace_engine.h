#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>

// The rewriting of ReplaceAll over plain character buffers, for the rule lists that run it many
// times over one text. Occurrences are looked for by the pattern's character at anchor, best the
// one rarest in the text. Returns the number of replacements made; when there were any, out holds
// the result, otherwise out is left unspecified and the result is the source itself.
qsizetype ReplaceAllInto(std::u16string_view source, std::u16string_view pattern,
                         std::u16string_view replacement, qsizetype anchor, std::u16string &out);
