// A data sheet's own controls beside the grid, described as data: the key scripts give a value
// by, the caption the window shows, the kind of control and its choices, and the value it starts
// with. The window builds its controls from these and quillon-calc its options; the calculation
// reads the values by key, so no front end needs to know which sheet has which control.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

enum class OptionKind {
    TextBox,  // any text, as typed
    CheckBox, // kOptionOn or kOptionOff
    Choice,   // the key of one of the choices
};

// The value of a ticked and an unticked check box.
inline constexpr std::string_view kOptionOn = "on";
inline constexpr std::string_view kOptionOff = "off";

// One choice of a Choice option: its value, and the caption of its option button.
struct OptionChoice {
    std::string_view key;     // "pearson"
    std::string_view caption; // "Pearson's"
};

struct SheetOption {
    std::string_view key;     // "population"; scripts give it as --population
    std::string_view caption; // the window's caption beside the control; empty where the
                              // choices' buttons carry the only captions
    OptionKind kind = OptionKind::TextBox;
    std::vector<OptionChoice> choices; // Choice: in the order of the window's buttons
    std::string_view defaultValue;     // the value when none is given
    std::string_view help;             // what it does, in a few words, for a script's help
    std::string_view valueName;        // TextBox: the placeholder of its value in usage, "N"
    std::string_view controlName;      // the objectName of the window's control(s)
    std::string_view captionName;      // the objectName of the caption label, where there is one
};

// The values of a sheet's options by key, as texts.
using OptionValues = std::map<std::string, std::string, std::less<>>;

// The value given for the option, or its default when none is.
std::string_view optionValue(const OptionValues& values, const SheetOption& option);

// Whether a check box option is ticked.
bool optionIsOn(const OptionValues& values, const SheetOption& option);

// The index of the chosen choice; the default's where the value names none.
std::size_t choiceIndex(const OptionValues& values, const SheetOption& option);

// What kind of control an option is, as scripts and the web page read it: "text", "check" or
// "choice".
std::string_view optionKindName(OptionKind kind);

// Why a value cannot be the option's, or empty when it can: a check box takes kOptionOn or
// kOptionOff, a choice one of its keys; a text box takes any text.
std::string optionValueProblem(const SheetOption& option, std::string_view value);

// What a data sheet window shows that follows from its options' values: the title, the headings
// of its data columns (empty: as the catalogue row gives them) and which of the row's help pages
// "Help" opens.
struct SheetPresentation {
    std::string_view title;
    std::vector<std::string> columnHeadings;
    std::size_t helpPage = 0;
};

using SheetPresenter = SheetPresentation (*)(const OptionValues& values);

} // namespace quillon
