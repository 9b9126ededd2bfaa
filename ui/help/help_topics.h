// Help topic numbers, as the windows' "Help" buttons pass them, and the help pages they open.
#pragma once

#include <QString>
#include <QUrl>

#include <optional>
#include <span>

namespace quillon {

struct HelpTopic {
    int number;
    const char* page; // file name under the help resource folder
};

// Every mapped topic, in ascending order.
std::span<const HelpTopic> helpTopics();

// The contents page, shown for topic 0 and by the Help menu.
QUrl helpContentsUrl();

// The page of a topic; topic 0 is the contents page; nothing for a topic without a page.
std::optional<QUrl> helpPageUrl(int topic);

} // namespace quillon
