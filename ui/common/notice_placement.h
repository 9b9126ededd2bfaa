// Where a notice stands by what it concerns, in window coordinates: a bubble under the target,
// its pointer reaching up to the target's middle; above it, pointing down, when under it there is
// no room or the control being worked in would be covered; left of it, pointing right, when
// neither is free. The bubble stays inside the room the window leaves it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillon {

enum class NoticeSide { Below, Above, Left };

struct NoticeSpot {
    QRect body; // the bubble's box, without its pointer
    QPoint tip; // where the pointer ends, on the target's edge
    NoticeSide side = NoticeSide::Below;
};

// `body` is the bubble's size, `pointer` the length of its pointer; `avoid` is the control with
// the keyboard focus (an empty rectangle for none), left uncovered where another side is free
// unless it overlaps the target itself.
NoticeSpot placeNotice(const QRect& target, QSize body, int pointer, const QRect& room,
                       const QRect& avoid);

// The bubble's box and its pointer together.
QRect noticeBounds(const NoticeSpot& spot, int pointer);

} // namespace quillon
