#include "ui/common/notice_text.h"

#include "ui/common/text_conversion.h"

#include <QRegularExpression>

namespace quillon {

QString copiedNoticeText(std::string_view clipboard) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString line = toQString(clipboard);
    line.replace(lineBreaks, QStringLiteral(" "));
    return QStringLiteral("Copied: ") + line.trimmed();
}

} // namespace quillon
