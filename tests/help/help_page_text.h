// Reads a help page from the source tree as the reader sees it: tags dropped, entities decoded,
// runs of white space folded to one blank, so a test can look for an answer line in it.
#pragma once

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillon::testing {

inline std::string helpPageSource(std::string_view fileName) {
    const std::string path = std::string(QUILLON_HELP_DIR) + "/" + std::string(fileName);
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("no help page " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline std::string helpPageText(std::string_view fileName) {
    std::string text = std::regex_replace(helpPageSource(fileName), std::regex("<[^>]*>"), " ");
    const std::pair<std::string_view, std::string_view> entities[] = {
        {"&nbsp;", " "}, {"&plusmn;", "\u00B1"}, {"&sup2;", "\u00B2"}, {"&lt;", "<"},
        {"&gt;", ">"},   {"&quot;", "\""},       {"&#39;", "'"},       {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (auto at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size()))
            text.replace(at, entity.size(), character);
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// The answer text of a calculation as it reads on a page: line breaks and blank lines folded.
inline std::string asPageText(const std::string& answer) {
    return std::regex_replace(answer, std::regex("\\s+"), " ");
}

} // namespace quillon::testing
