#include "calculations/calculation_search.h"

#include "calculations/calculation_family.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace quillon {

namespace {

// Words that say nothing about which calculation is meant; left out unless nothing else is typed.
constexpr std::array<std::string_view, 19> kIgnoredWords = {
    "a",    "an", "the", "of",  "for", "to",   "in", "on", "and", "or",
    "with", "by", "is",  "are", "how", "what", "do", "i",  "my"};

// The words people use, each standing for words of the titles, names, questions or results.
const std::vector<Synonym>& synonymTable() {
    static const std::vector<Synonym> table = {
        {"ttest", {"t test"}},
        {"student", {"t"}},
        {"paired", {"matched pairs"}},
        {"dependent", {"matched pairs"}},
        {"repeated", {"matched pairs"}},
        {"before", {"matched pairs"}},
        {"unpaired", {"independent groups"}},
        {"welch", {"independent groups"}},
        {"analysis of variance", {"anova"}},
        {"one way", {"anova"}},
        {"oneway", {"anova"}},
        {"post hoc", {"anova"}},
        {"posthoc", {"anova"}},
        {"variance", {"anova"}},
        {"average", {"mean"}},
        {"sd", {"standard deviation"}},
        {"std", {"standard deviation"}},
        {"stdev", {"standard deviation"}},
        {"stddev", {"standard deviation"}},
        {"spread", {"standard deviation"}},
        {"descriptive", {"describe sample"}},
        {"proportion", {"percent"}},
        {"percentage", {"percent"}},
        {"gaussian", {"normal"}},
        {"chisquare", {"chi square"}},
        {"chisq", {"chi square"}},
        {"chi2", {"chi square"}},
        {"squared", {"square"}},
        {"contingency", {"chi square test"}},
        {"crosstab", {"chi square test"}},
        {"crosstabulation", {"chi square test"}},
        {"independence", {"chi square test"}},
        {"table", {"chi square test", "fishers exact test"}},
        {"2x2", {"chi square test", "fishers exact test"}},
        {"odds", {"chi square test", "fishers exact test"}},
        {"coin", {"binomial"}},
        {"sign", {"binomial"}},
        {"bernoulli", {"binomial"}},
        {"correlate", {"correlation"}},
        {"correlated", {"correlation"}},
        {"association", {"correlation"}},
        {"relationship", {"correlation"}},
        {"rank", {"spearmans"}},
        {"fit", {"regression"}},
        {"line", {"regression"}},
        {"predict", {"regression"}},
        {"prediction", {"regression"}},
        {"ci", {"confidence interval"}},
        {"margin", {"error"}},
        {"power", {"sample size"}},
        {"how many", {"sample size"}},
        {"p value", {"probability"}},
        {"pvalue", {"probability"}},
        {"significance", {"probability"}},
        {"quantile", {"critical"}},
        {"cutoff", {"critical"}},
        {"threshold", {"critical"}},
        {"ztest", {"z"}},
        {"zscore", {"z"}},
        {"ftest", {"f"}},
        {"fratio", {"f ratio"}},
    };
    return table;
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// What a row is found by, from its title down to its questions.
struct RowTexts {
    std::string title;              // its words joined by one blank
    std::vector<std::string> names; // readable and window name, their words joined
    // The words of the title and menu caption, of the names, of the questions and the rest.
    std::array<std::vector<std::string>, 3> words;
};

void addWords(std::vector<std::string>& to, std::string_view text) {
    for (std::string& word : searchWords(text))
        to.push_back(std::move(word));
}

RowTexts textsOf(const CatalogueEntry& row) {
    RowTexts texts;
    texts.title = joined(searchWords(row.title));
    texts.names = {joined(searchWords(row.commandName)), joined(searchWords(row.windowName))};
    addWords(texts.words[0], row.title);
    addWords(texts.words[0], withoutAccessKey(row.menuCaption));
    addWords(texts.words[1], row.commandName);
    addWords(texts.words[1], row.windowName);
    std::vector<std::string>& rest = texts.words[2];
    if (const auto* asked = std::get_if<QuestionInputs>(&row.inputs)) {
        for (const std::string_view question : asked->questions)
            addWords(rest, question);
    } else {
        const auto& sheet = std::get<SheetInputs>(row.inputs);
        addWords(rest, sheet.instruction);
        for (const SheetOption& option : sheet.options) {
            addWords(rest, option.caption);
            for (const OptionChoice& choice : option.choices)
                addWords(rest, choice.caption);
        }
    }
    for (const QuantityName& quantity : row.quantities)
        addWords(rest, quantity.label);
    addWords(rest, familyCaption(row));
    return texts;
}

enum class WordMatch { None, Start, Whole };

// A typed word matches a word of the texts that it is, or its plural, or its start. One letter
// begins only words of a title: "t" stands for the t of a title, and for its "test" or "two"
// after that, but not for every "the" of the questions.
WordMatch compareWord(std::string_view typed, std::string_view word, bool inTitle = true) {
    if (typed == word)
        return WordMatch::Whole;
    if (typed.size() == word.size() + 1 && typed.back() == 's' && typed.starts_with(word))
        return WordMatch::Whole;
    if ((typed.size() >= 2 || inTitle) && word.starts_with(typed))
        return WordMatch::Start;
    return WordMatch::None;
}

struct WordFound {
    std::size_t level = 0; // index into RowTexts::words
    bool whole = false;
};

// The first level of words (up to and including `last`) where the typed word is found; one
// letter begins a word of a title only when `letterBegins`.
std::optional<WordFound> findWord(std::string_view typed, const RowTexts& texts, std::size_t last,
                                  bool letterBegins = true) {
    for (std::size_t level = 0; level <= last; ++level) {
        WordMatch best = WordMatch::None;
        for (const std::string& word : texts.words[level])
            best = std::max(best, compareWord(typed, word, letterBegins && level == 0));
        if (best != WordMatch::None)
            return WordFound{level, best == WordMatch::Whole};
    }
    return std::nullopt;
}

// The deepest level of words that a phrase needs to find all its words, or nothing.
std::optional<std::size_t> findPhrase(std::string_view phrase, const RowTexts& texts) {
    std::size_t deepest = 0;
    for (const std::string& word : searchWords(phrase)) {
        const auto found = findWord(word, texts, texts.words.size() - 1, false);
        if (!found)
            return std::nullopt;
        deepest = std::max(deepest, found->level);
    }
    return deepest;
}

// One thing typed: a word, or a phrase of the synonym table met word for word.
struct Term {
    std::string text;
    bool direct = true; // found as itself in the texts, beside its synonyms
    std::vector<const Synonym*> synonyms;
};

bool isIgnored(std::string_view word) {
    return std::find(kIgnoredWords.begin(), kIgnoredWords.end(), word) != kIgnoredWords.end();
}

// The synonyms a single typed word reaches: its own entry, that of its singular, or, from three
// letters on, of the word it begins.
std::vector<const Synonym*> synonymsOfWord(std::string_view word) {
    std::vector<const Synonym*> found;
    for (const Synonym& synonym : synonymTable()) {
        if (synonym.phrase.find(' ') != std::string_view::npos)
            continue;
        if (compareWord(word, synonym.phrase) == WordMatch::Whole ||
            (word.size() >= 3 && synonym.phrase.starts_with(word)))
            found.push_back(&synonym);
    }
    return found;
}

std::vector<Term> termsOf(const std::vector<std::string>& words) {
    std::vector<Term> terms;
    std::vector<Term> ignored;
    for (std::size_t at = 0; at < words.size();) {
        const Synonym* phrase = nullptr;
        std::size_t length = 1;
        for (const Synonym& synonym : synonymTable()) {
            const std::vector<std::string> parts = searchWords(synonym.phrase);
            if (parts.size() < 2 || parts.size() <= length || at + parts.size() > words.size())
                continue;
            if (std::equal(parts.begin(), parts.end(), words.begin() + std::ptrdiff_t(at))) {
                phrase = &synonym;
                length = parts.size();
            }
        }
        if (phrase != nullptr) {
            terms.push_back({std::string(phrase->phrase), false, {phrase}});
            at += length;
            continue;
        }
        Term term{words[at], true, synonymsOfWord(words[at])};
        (isIgnored(words[at]) ? ignored : terms).push_back(std::move(term));
        ++at;
    }
    return terms.empty() ? ignored : terms;
}

// How a term is found in a row.
struct TermFound {
    MatchRank rank = MatchRank::Name;
    std::size_t level = 0; // the level of words it or what it stands for is found in
    bool start = false;    // only as the start of a word
};

// One letter alone begins words of a title, as the first thing typed; beside other words it is
// only itself ("t test").
std::optional<TermFound> findTerm(const Term& term, const RowTexts& texts, bool alone) {
    if (term.direct) {
        if (const auto found = findWord(term.text, texts, texts.words.size() - 1, alone)) {
            const auto rank = static_cast<MatchRank>(
                static_cast<std::size_t>(MatchRank::TitleWords) + found->level);
            return TermFound{rank, found->level, !found->whole};
        }
    }
    std::optional<TermFound> best;
    for (const Synonym* synonym : term.synonyms)
        for (const std::string_view stands : synonym->standsFor)
            if (const auto level = findPhrase(stands, texts);
                level && (!best || *level < best->level))
                best = TermFound{MatchRank::Synonym, *level, false};
    return best;
}

// A title begins with the text when the text ends where a word of the title does, or is at
// least two letters long ("ch" finds "Chi-square test", "t" does not find "Two sample ...").
bool titleStartsWith(const std::string& title, const std::string& text) {
    if (!title.starts_with(text))
        return false;
    return text.size() >= 2 || title.size() == text.size() || title[text.size()] == ' ';
}

} // namespace

std::vector<std::string> searchWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\'')
            continue;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || byte >= 0x80) {
            word += c;
        } else if (c >= 'A' && c <= 'Z') {
            word += static_cast<char>(c - 'A' + 'a');
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::span<const Synonym> searchSynonyms() {
    return synonymTable();
}

std::vector<CalculationMatch> findCalculations(std::string_view text,
                                               std::span<const CatalogueEntry> rows) {
    const std::vector<std::string> words = searchWords(text);
    std::vector<CalculationMatch> matches;
    if (words.empty()) {
        for (const CatalogueEntry& row : rows)
            matches.push_back({&row, MatchRank::Name});
        return matches;
    }
    const std::string whole = joined(words);
    const std::vector<Term> terms = termsOf(words);
    // Rank, then the sum of the terms' ranks and levels, then how many are only the start of a
    // word, then the menu's order.
    using Key = std::tuple<MatchRank, int, int, std::size_t>;
    std::vector<std::pair<Key, CalculationMatch>> found;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const CatalogueEntry& row = rows[index];
        const RowTexts texts = textsOf(row);
        if (std::find(texts.names.begin(), texts.names.end(), whole) != texts.names.end()) {
            found.push_back({{MatchRank::Name, 0, 0, index}, {&row, MatchRank::Name}});
            continue;
        }
        if (titleStartsWith(texts.title, whole)) {
            found.push_back({{MatchRank::TitleStart, 0, 0, index}, {&row, MatchRank::TitleStart}});
            continue;
        }
        MatchRank worst = MatchRank::Name;
        int sum = 0;
        int starts = 0;
        bool all = true;
        for (const Term& term : terms) {
            const auto termFound = findTerm(term, texts, terms.size() == 1);
            if (!termFound) {
                all = false;
                break;
            }
            worst = std::max(worst, termFound->rank);
            sum += static_cast<int>(termFound->rank) + static_cast<int>(termFound->level);
            starts += termFound->start ? 1 : 0;
        }
        if (all)
            found.push_back({{worst, sum, starts, index}, {&row, worst}});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [key, match] : found)
        matches.push_back(match);
    return matches;
}

} // namespace quillon
