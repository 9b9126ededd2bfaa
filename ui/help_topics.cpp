#include "help_topics.h"

#include <algorithm>
#include <array>

namespace quillon {

namespace {

const QString kHelpFolder = QStringLiteral("qrc:/help/");

constexpr std::array kTopics = {
    HelpTopic{33, "distr1a.html"},     HelpTopic{34, "distr1b.html"},
    HelpTopic{35, "distr1c.html"},     HelpTopic{37, "distr2a.html"},
    HelpTopic{38, "distr2b.html"},     HelpTopic{39, "distr2c.html"},
    HelpTopic{41, "distr3a.html"},     HelpTopic{42, "distr3b.html"},
    HelpTopic{44, "distr4a.html"},     HelpTopic{45, "distr4b.html"},
    HelpTopic{47, "counts1.html"},     HelpTopic{48, "counts2.html"},
    HelpTopic{49, "counts3.html"},     HelpTopic{50, "counts4.html"},
    HelpTopic{53, "percent1.html"},    HelpTopic{54, "percent2.html"},
    HelpTopic{55, "percent3.html"},    HelpTopic{57, "means0.html"},
    HelpTopic{58, "means1.html"},      HelpTopic{59, "means2.html"},
    HelpTopic{60, "means3.html"},      HelpTopic{61, "means4.html"},
    HelpTopic{62, "means5.html"},      HelpTopic{63, "means6.html"},
    HelpTopic{64, "correlation.html"}, HelpTopic{65, "regression.html"},
    HelpTopic{67, "sample1.html"},     HelpTopic{68, "sample2.html"},
    HelpTopic{76, "sample3.html"},
};

} // namespace

std::span<const HelpTopic> helpTopics() {
    return kTopics;
}

QUrl helpContentsUrl() {
    return QUrl(kHelpFolder + QStringLiteral("contents.html"));
}

std::optional<QUrl> helpPageUrl(int topic) {
    if (topic == 0) {
        return helpContentsUrl();
    }
    const auto found = std::find_if(kTopics.begin(), kTopics.end(),
                                    [topic](const HelpTopic& t) { return t.number == topic; });
    if (found == kTopics.end()) {
        return std::nullopt;
    }
    return QUrl(kHelpFolder + QString::fromLatin1(found->page));
}

} // namespace quillon
