#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

using FormFields = std::vector<std::pair<std::string, std::string>>;

// The fields of an application/x-www-form-urlencoded body, in their order, decoded ("+" is a
// blank, "%XX" a byte). Nothing when the body is malformed: a bad escape, a field without a name,
// or text that is not UTF-8 once decoded.
std::optional<FormFields> DecodeForm(const std::string &body);
