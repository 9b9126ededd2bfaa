// Finds calculations by what a person types: a title or its first words, a readable name
// ("t-critical") or window name ("Distr2b"), words of the questions, or a plain word people use
// for it ("anova", "paired", "proportion"). Every word typed must be found; a word may be the
// start of a longer one. Plain C++: the start pages of the window and of the web page search alike.
#pragma once

#include "calculations/catalogue.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// How well a calculation matches, best first.
enum class MatchRank {
    Name,         // the whole text is its readable name or window name
    TitleStart,   // its title begins with the text
    TitleWords,   // every word is in its title or menu caption
    ReadableName, // ... or in its readable name or window name
    Questions,    // ... or in its questions, options, results or family
    Synonym,      // ... or a word stands for words found there
};

struct CalculationMatch {
    const CatalogueEntry* row = nullptr;
    MatchRank rank = MatchRank::Name;
};

// The rows that match, best first; rows that match equally keep the order of the menu. A text
// without a word (empty, blanks, punctuation) matches every row in menu order.
std::vector<CalculationMatch> findCalculations(std::string_view text,
                                               std::span<const CatalogueEntry> rows = catalogue());

// The words of a text as the search compares them: lower case, an apostrophe dropped
// ("Fisher's" is "fishers"), any other character that is not a letter or digit a break.
std::vector<std::string> searchWords(std::string_view text);

// A plain word or phrase people use, with what it stands for in the catalogue's texts.
struct Synonym {
    std::string_view phrase;                 // "paired", "analysis of variance"
    std::vector<std::string_view> standsFor; // each a phrase whose words all must be found
};

std::span<const Synonym> searchSynonyms();

} // namespace quillon
