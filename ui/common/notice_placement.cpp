#include "ui/common/notice_placement.h"

#include <algorithm>
#include <array>

namespace quillon {
namespace {

// Within [low, high] as far as the range allows; at low when it is too narrow.
int clampInto(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

NoticeSpot spotAt(const QRect& target, QSize body, int pointer, const QRect& room,
                  NoticeSide side) {
    NoticeSpot spot;
    spot.side = side;
    // The pointer's base stays on the body, clear of its corners.
    const int inset = pointer + 2;
    if (side == NoticeSide::Left) {
        const int top = clampInto(target.center().y() - body.height() / 2, room.top(),
                                  room.bottom() + 1 - body.height());
        spot.body = QRect(QPoint(target.left() - pointer - body.width(), top), body);
        spot.tip = QPoint(target.left(), clampInto(target.center().y(), spot.body.top() + inset,
                                                   spot.body.bottom() - inset));
        return spot;
    }
    // Centred on the target as far as the room allows.
    const int left = clampInto(target.center().x() - body.width() / 2, room.left(),
                               room.right() + 1 - body.width());
    const bool below = side == NoticeSide::Below;
    const int top = below ? target.bottom() + 1 + pointer : target.top() - pointer - body.height();
    spot.body = QRect(QPoint(left, top), body);
    spot.tip =
        QPoint(clampInto(target.center().x(), spot.body.left() + inset, spot.body.right() - inset),
               below ? target.bottom() + 1 : target.top() - 1);
    return spot;
}

} // namespace

QRect noticeBounds(const NoticeSpot& spot, int pointer) {
    switch (spot.side) {
    case NoticeSide::Below:
        return spot.body.adjusted(0, -pointer, 0, 0);
    case NoticeSide::Above:
        return spot.body.adjusted(0, 0, 0, pointer);
    case NoticeSide::Left:
        return spot.body.adjusted(0, 0, pointer, 0);
    }
    return spot.body;
}

NoticeSpot placeNotice(const QRect& target, QSize body, int pointer, const QRect& room,
                       std::span<const QRect> keepInSight) {
    const std::array spots = {spotAt(target, body, pointer, room, NoticeSide::Below),
                              spotAt(target, body, pointer, room, NoticeSide::Above),
                              spotAt(target, body, pointer, room, NoticeSide::Left)};
    const auto fits = [&](const NoticeSpot& spot) {
        return room.contains(noticeBounds(spot, pointer));
    };
    const auto covers = [&](const NoticeSpot& spot) {
        return std::any_of(keepInSight.begin(), keepInSight.end(), [&](const QRect& place) {
            return place.isValid() && !place.intersects(target) && spot.body.intersects(place);
        });
    };
    for (const NoticeSpot& spot : spots)
        if (fits(spot) && !covers(spot))
            return spot;
    for (const NoticeSpot& spot : spots)
        if (fits(spot))
            return spot;
    // Too big for any side: under the target, lifted to end where the room ends.
    NoticeSpot lifted = spots.front();
    lifted.body.moveBottom(room.bottom());
    if (lifted.body.top() < room.top() + pointer)
        lifted.body.moveTop(room.top() + pointer);
    return lifted;
}

} // namespace quillon
