// Where a notice stands by what it concerns, in window coordinates: a bubble under the target,
// its pointer reaching up to the target's middle; above it, pointing down, when under it there is
// no room or something to keep in sight would be covered (the control being worked in, a value
// typed); left of it, pointing right, when neither is free. The bubble stays inside the room the
// window leaves it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <span>

namespace quillon {

enum class NoticeSide { Below, Above, Left };

struct NoticeSpot {
    QRect body; // the bubble's box, without its pointer
    QPoint tip; // where the pointer ends, on the target's edge
    NoticeSide side = NoticeSide::Below;
};

// `body` is the bubble's size, `pointer` the length of its pointer; `keepInSight` are the places
// left uncovered where a side is free, those overlapping the target aside (a grid holding a cell).
NoticeSpot placeNotice(const QRect& target, QSize body, int pointer, const QRect& room,
                       std::span<const QRect> keepInSight = {});

// The bubble's box and its pointer together.
QRect noticeBounds(const NoticeSpot& spot, int pointer);

} // namespace quillon
