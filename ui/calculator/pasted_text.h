// Text that reaches a box other than by typing (a paste or a drop): trimmed of what a spreadsheet
// cell or a selection brings along, and held to what the key filter lets a person type.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace quillon {

// The text without blanks, tabs and line breaks at either end ("1.96" and a line break, as a
// spreadsheet copies a cell, gives "1.96").
QString trimmedPaste(const QString& text);

// Whether the text is one a person can type into a box through the key filter: an optional
// leading minus, then digits and at most one point, in any order; the empty text too.
bool isTypableBoxText(QStringView text);

// The box's text once the inserted text replaces `replaced` characters from position `at`.
QString textAfterInsert(const QString& text, qsizetype at, qsizetype replaced,
                        const QString& inserted);

// Why a box refuses a paste, or nothing when it takes it: `pasted` is the trimmed text, `result`
// the box's text as the paste would leave it. The reason names the pasted text, and the text it
// would make when the pasted text alone would do ("pasting -5 here gives 3-5").
std::optional<QString> boxPasteRefusal(const QString& pasted, const QString& result);

} // namespace quillon
