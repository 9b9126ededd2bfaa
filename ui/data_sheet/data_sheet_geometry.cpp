#include "ui/data_sheet/data_sheet_geometry.h"

#include "ui/common/twips.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr int kMargin = 240;
constexpr int kLabelTop = 120;
constexpr int kLabelHeight = 285;
constexpr int kSheetTop = 480;
constexpr int kColumnGap = 360;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;
constexpr int kButtonPitch = 480;
constexpr int kGap = 240;
// Option buttons one under another, and the window's own controls one under another.
constexpr int kChoicePitch = 360;
constexpr int kOptionGap = 120;
// The calculator windows' width, which the data sheets keep at least.
constexpr int kMinimumClientWidth = 7365;
// The regression answer, the longest, runs to nine lines.
constexpr int kAnswerLabelHeight = 2700;
// Grid1: six columns wide enough for a row of twelve hyphens each.
constexpr int kAnswerTableWidth = 7500;
constexpr int kAnswerTableHeight = 4200;

} // namespace

QSize optionSize(const SheetOption& option) {
    switch (option.kind) {
    case OptionKind::TextBox: // a caption and a box
        return {1800 + 120 + kButtonWidth, 285};
    case OptionKind::CheckBox: // a caption and a check box
        return {1900 + 120 + 300, 285};
    case OptionKind::Choice: // an option button for each choice, one under another
        break;
    }
    return {1800, static_cast<int>(option.choices.size()) * kChoicePitch - 75};
}

std::vector<QRect> optionRects(const std::vector<SheetOption>& options, const QRect& area) {
    std::vector<QRect> rects;
    int top = area.top();
    for (const SheetOption& option : options) {
        rects.emplace_back(QPoint(area.left(), top), optionSize(option));
        top = rects.back().bottom() + 1 + kOptionGap;
    }
    return rects;
}

QSize extraSize(const std::vector<SheetOption>& options) {
    QSize size(0, 0);
    for (const SheetOption& option : options) {
        const QSize one = optionSize(option);
        size = QSize(std::max(size.width(), one.width()),
                     size.height() + (size.height() > 0 ? kOptionGap : 0) + one.height());
    }
    return size;
}

DataSheetGeometry dataSheetGeometry(const SheetInputs& sheet, const SheetShape& shape,
                                    int sheetWidthPixels, int instructionWidthPixels) {
    DataSheetGeometry geometry;
    const int sheetWidth = sheetWidthPixels * kTwipsPerPixel;
    geometry.sheet = QRect(kMargin, kSheetTop, sheetWidth, shape.height);

    const int buttonLeft = geometry.sheet.right() + 1 + kColumnGap;
    for (std::size_t i = 0; i < geometry.buttons.size(); ++i) {
        geometry.buttons[i] = QRect(buttonLeft, kSheetTop + static_cast<int>(i) * kButtonPitch,
                                    kButtonWidth, kButtonHeight);
    }
    const QSize extra = extraSize(sheet.options);
    geometry.extra = QRect(QPoint(buttonLeft, geometry.buttons.back().bottom() + 1 + kGap), extra);

    const bool table = sheet.answer == AnswerArea::Table;
    const int answerWidth = table ? kAnswerTableWidth : 0;
    const int rightmost =
        std::max({geometry.buttons.back().right(), geometry.extra.right(), kMargin + answerWidth});
    const int instructionWidth = instructionWidthPixels * kTwipsPerPixel;
    const int clientWidth =
        std::max({kMinimumClientWidth, rightmost + 1 + kMargin, instructionWidth + 2 * kMargin});
    geometry.label = QRect(kMargin, kLabelTop, clientWidth - 2 * kMargin, kLabelHeight);

    const int lineTop = std::max(geometry.sheet.bottom(), geometry.extra.bottom()) + 1 + kGap;
    geometry.line = QRect(kMargin, lineTop, clientWidth - 2 * kMargin, 30);
    geometry.answer = QRect(kMargin, lineTop + kGap, clientWidth - 2 * kMargin,
                            table ? kAnswerTableHeight : kAnswerLabelHeight);
    geometry.client = QSize(clientWidth, geometry.answer.bottom() + 1 + kMargin);
    return geometry;
}

} // namespace quillon
