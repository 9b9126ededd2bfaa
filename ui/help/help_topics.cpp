#include "ui/help/help_topics.h"

#include "calculations/catalogue.h"

#include <algorithm>
#include <vector>

namespace quillon {

namespace {

const QString kHelpFolder = QStringLiteral("qrc:/help/");

std::vector<HelpTopic> makeTopics() {
    std::vector<HelpTopic> topics;
    for (const CatalogueEntry& calculation : catalogue()) {
        for (const HelpPage& help : calculation.help)
            topics.push_back({help.topic, help.page.data()});
    }
    std::sort(topics.begin(), topics.end(),
              [](const HelpTopic& a, const HelpTopic& b) { return a.number < b.number; });
    return topics;
}

} // namespace

std::span<const HelpTopic> helpTopics() {
    static const std::vector<HelpTopic> topics = makeTopics();
    return topics;
}

QUrl helpContentsUrl() {
    return QUrl(kHelpFolder + QStringLiteral("contents.html"));
}

std::optional<QUrl> helpPageUrl(int topic) {
    if (topic == 0) {
        return helpContentsUrl();
    }
    const auto topics = helpTopics();
    const auto found = std::find_if(topics.begin(), topics.end(),
                                    [topic](const HelpTopic& t) { return t.number == topic; });
    if (found == topics.end()) {
        return std::nullopt;
    }
    return QUrl(kHelpFolder + QString::fromLatin1(found->page));
}

} // namespace quillon
