// The help pages the windows' "Help" buttons open: a topic number names one of a catalogue row's
// help pages, topic 0 the contents page.
#pragma once

#include <QUrl>

#include <optional>
#include <string_view>

namespace quillon {

// The contents page, shown for topic 0 and by the Help menu.
QUrl helpContentsUrl();

// A page of the help folder, by file name.
QUrl helpPageUrl(std::string_view page);

// The page of a topic; topic 0 is the contents page; nothing for a topic without a page.
std::optional<QUrl> helpPageUrl(int topic);

} // namespace quillon
