// The text of the brief notice that says what a calculation put on the clipboard.
#pragma once

#include <QString>

#include <string_view>

namespace quillon {

// "Copied: " and the clipboard text on one line: each run of line breaks becomes one blank, and
// the blanks at either end go.
QString copiedNoticeText(std::string_view clipboard);

} // namespace quillon
