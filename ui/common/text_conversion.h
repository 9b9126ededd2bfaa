// Texts cross from the calculations (UTF-8 std::string) to the widgets (QString) here.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quillon {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// Answers join their lines with CR LF; labels and the clipboard take LF, which Qt turns into the
// platform's own line break where one is needed.
inline QString withLineFeeds(std::string_view text) {
    QString result = toQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

} // namespace quillon
