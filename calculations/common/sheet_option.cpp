#include "calculations/common/sheet_option.h"

namespace quillon {

std::string_view optionValue(const OptionValues& values, const SheetOption& option) {
    const auto given = values.find(option.key);
    return given == values.end() ? option.defaultValue : std::string_view(given->second);
}

bool optionIsOn(const OptionValues& values, const SheetOption& option) {
    return optionValue(values, option) == kOptionOn;
}

std::size_t choiceIndex(const OptionValues& values, const SheetOption& option) {
    const std::string_view value = optionValue(values, option);
    std::size_t fallback = 0;
    for (std::size_t i = 0; i < option.choices.size(); ++i) {
        if (option.choices[i].key == value)
            return i;
        if (option.choices[i].key == option.defaultValue)
            fallback = i;
    }
    return fallback;
}

std::string_view optionKindName(OptionKind kind) {
    switch (kind) {
    case OptionKind::TextBox:
        return "text";
    case OptionKind::CheckBox:
        return "check";
    case OptionKind::Choice:
        break;
    }
    return "choice";
}

std::string optionValueProblem(const SheetOption& option, std::string_view value) {
    switch (option.kind) {
    case OptionKind::TextBox:
        return {};
    case OptionKind::CheckBox:
        if (value == kOptionOn || value == kOptionOff)
            return {};
        return "must be " + std::string(kOptionOn) + " or " + std::string(kOptionOff);
    case OptionKind::Choice:
        break;
    }
    std::string names;
    for (const OptionChoice& choice : option.choices) {
        if (choice.key == value)
            return {};
        names += (names.empty() ? "" : ", ") + std::string(choice.key);
    }
    return "must be one of " + names;
}

} // namespace quillon
