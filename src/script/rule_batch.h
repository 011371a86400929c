#pragma once

#include "script/rule_list.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A run of rules applied together in one pass.
//
// Take rules whose replacements are not empty and hold no character of any pattern of the run.
// Applied one after the other, each replaces occurrences that were already in the text the run
// started from: a replaced stretch can neither be part of a later occurrence nor join its
// neighbours into one. So the first rule takes its occurrences from left to right, each not
// overlapping the one before; the next rule takes, likewise, those that overlap nothing taken
// yet; and so on. One search of the text finds every occurrence of every pattern, the rules then
// take theirs in order, and one more pass writes the result.
class RuleBatch
{
public:
    // Whether the rule can join the run and keep it a run of that kind.
    bool accepts(const Rule &rule) const;
    void add(const Rule &rule);

    // False when no rule of the run matched, and out is left as it was.
    bool run(std::u16string_view text, std::u16string &out) const;

private:
    struct Occurrence
    {
        int rule;
        qsizetype start;
    };

    struct Node
    {
        std::vector<std::pair<char16_t, int>> children;
        std::vector<int> ending; // rules whose pattern ends here, in rule order
    };

    qsizetype endOf(const Occurrence &occurrence) const;
    void resolveOverlaps(std::vector<Occurrence> &found) const;

    int rootChild(char16_t c) const;
    int child(int node, char16_t c) const;
    int addRootChild(char16_t c);
    int addChild(int node, char16_t c);

    std::vector<std::u16string> m_patterns;
    std::vector<std::u16string> m_replacements;
    std::vector<qsizetype> m_lengthChange;
    std::u16string m_patternChars;
    std::u16string m_replacementChars;
    // A trie of the patterns. The first characters are many, so they are found through a
    // two-level table; deeper nodes have a handful of children each.
    std::vector<Node> m_nodes;
    std::array<int, 256> m_rootPageOf = noPages();
    std::vector<std::array<int, 256>> m_rootPages;

    static std::array<int, 256> noPages();
};
