#include "ui/information/deployment.h"

#include "ui/common/text_conversion.h"
#include "ui/information/deployment_values.h"

namespace quillon {

const Deployment& builtDeployment() {
    static const Deployment built = [] {
        Deployment values;
        values.makerName = toQString(deployment::kMakerName).trimmed();
        for (const QString& line : toQString(deployment::kMakerAddress).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                values.makerAddress << line.trimmed();
        values.makerTelephone = toQString(deployment::kMakerTelephone).trimmed();
        values.salesMail = toQString(deployment::kSalesMail).trimmed();
        values.supportTelephone = toQString(deployment::kSupportTelephone).trimmed();
        values.supportMail = toQString(deployment::kSupportMail).trimmed();
        values.bookWebAddress = toQString(deployment::kBookWebAddress).trimmed();
        return values;
    }();
    return built;
}

QString desktopFileName() {
    return toQString(deployment::kDesktopFileName);
}

QStringList notices(const Deployment& deployment) {
    QStringList lines;
    if (!deployment.makerName.isEmpty()) {
        // "Verimont, Inc." ends its own sentence.
        const QString stop =
            deployment.makerName.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
        lines << QStringLiteral("Copyright \u00A9 2024 ") + deployment.makerName + stop +
                     QStringLiteral(" All rights reserved.");
    }
    lines << QStringLiteral("Quillon is provided as is, without warranty of any kind.");
    return lines;
}

} // namespace quillon
