#include "ui/common/arithmetic_error_text.h"

#include "ui/common/text_conversion.h"

namespace quillon {

QString arithmeticErrorText(ArithmeticFault fault) {
    QString name = toQString(faultName(fault));
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name + QStringLiteral(": the values entered cannot be calculated.");
}

} // namespace quillon
