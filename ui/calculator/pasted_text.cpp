#include "ui/calculator/pasted_text.h"

#include "calculations/common/box_text.h"

namespace quillon {

namespace {

// A pasted text is named on one short line: its blanks and line breaks shown as single blanks,
// and cut short when long.
QString shownText(const QString& text) {
    constexpr qsizetype kLongest = 30;
    QString shown = text.simplified();
    if (shown.size() > kLongest) {
        qsizetype cut = kLongest - 3;
        if (shown.at(cut - 1).isHighSurrogate())
            --cut;
        shown = shown.left(cut) + QStringLiteral("...");
    }
    return shown;
}

} // namespace

QString trimmedPaste(const QString& text) {
    const auto isBlank = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
    };
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlank(text.at(first)))
        ++first;
    while (end > first && isBlank(text.at(end - 1)))
        --end;
    return text.mid(first, end - first);
}

bool isTypableBoxText(QStringView text) {
    bool pointSeen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t typed = text[i].unicode();
        if (!boxTakesCharacter(typed, i == 0, pointSeen))
            return false;
        pointSeen = pointSeen || typed == u'.';
    }
    return true;
}

QString textAfterInsert(const QString& text, qsizetype at, qsizetype replaced,
                        const QString& inserted) {
    QString result = text;
    result.replace(at, replaced, inserted);
    return result;
}

std::optional<QString> boxPasteRefusal(const QString& pasted, const QString& result) {
    if (isTypableBoxText(result))
        return std::nullopt;
    const QString rule = QStringLiteral("A box takes only digits, one point and a leading minus: ");
    if (!isTypableBoxText(pasted))
        return rule + shownText(pasted);
    return rule + QStringLiteral("pasting ") + shownText(pasted) + QStringLiteral(" here gives ") +
           shownText(result);
}

} // namespace quillon
