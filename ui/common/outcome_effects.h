// What every calculation window does with an outcome, whatever its controls: the beep or "Error"
// box of a refusal, the clipboard, and the common report of an arithmetic fault.
#pragma once

#include "calculations/evaluation.h"

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace quillon {

// The beep, or the refusal's "Error" box when it carries a message.
void announceRefusal(QWidget* parent, const Refusal& refusal);

// Empties the clipboard, then gives it the text with LF line breaks.
void replaceClipboardText(std::string_view text);

// Runs an evaluation under the busy cursor. Values that cannot be calculated are reported in an
// "Error" box naming the arithmetic error; the window then leaves everything as it was.
Evaluation evaluateOrReport(QWidget* parent, const std::function<Evaluation()>& evaluation);

} // namespace quillon
