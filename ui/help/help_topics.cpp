#include "ui/help/help_topics.h"

#include "calculations/catalogue.h"

#include <QString>

namespace quillon {

QUrl helpContentsUrl() {
    return helpPageUrl(std::string_view("contents.html"));
}

QUrl helpPageUrl(std::string_view page) {
    return QUrl(QStringLiteral("qrc:/help/") +
                QString::fromLatin1(page.data(), static_cast<qsizetype>(page.size())));
}

std::optional<QUrl> helpPageUrl(int topic) {
    if (topic == 0)
        return helpContentsUrl();
    for (const CatalogueEntry& row : catalogue()) {
        for (const HelpPage& help : row.help)
            if (help.topic == topic)
                return helpPageUrl(help.page);
    }
    return std::nullopt;
}

} // namespace quillon
