// What every calculation window does with an outcome, whatever its controls: the beep or "Error"
// box of a refusal, the clipboard, and the common report of an arithmetic fault.
#pragma once

#include "calculations/common/outcome.h"

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace quillon {

// The beep, or the refusal's "Error" box when it carries a message.
void announceRefusal(QWidget* parent, const Refusal& refusal);

// Empties the clipboard, then gives it the text with LF line breaks.
void replaceClipboardText(std::string_view text);

// Runs a calculation. An arithmetic fault is reported in an "Error" box and gives no outcome, so
// that the window leaves everything as it was.
std::optional<Outcome> calculateOrReport(QWidget* parent,
                                         const std::function<Outcome()>& calculation);

} // namespace quillon
