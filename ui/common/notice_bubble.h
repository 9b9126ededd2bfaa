// A short text over a window that takes neither the focus nor the mouse: a bubble pointing at
// what it concerns (why a value was refused), or a plain line that goes by itself (what was put
// on the clipboard). Its colours are legible in any palette (see notice_colours.h); screen
// readers find it as an alert (the bubble) or as plain text (the line).
#pragma once

#include "ui/common/notice_placement.h"

#include <QLabel>

#include <chrono>

class QTimer;

namespace quillon {

class NoticeBubble : public QLabel {
    Q_OBJECT
public:
    enum class Kind { Pointing, Line };

    NoticeBubble(Kind kind, QWidget* window);

    Kind kind() const { return kind_; }
    // The box a text needs: wrapped within maxWidth (a pointing bubble), or on one line shortened
    // with an ellipsis to maxWidth (a line).
    QSize bodySize(const QString& text, int maxWidth) const;
    int pointerHeight() const;

    // Shows the text in the body of a spot, the pointer reaching out of it; a bubble already
    // showing is shown anew, so that screen readers hear the new text.
    void showAt(const QString& text, const NoticeSpot& spot);
    // Moves a showing bubble to another spot.
    void moveTo(const NoticeSpot& spot);
    // Shows the text on one line in the box, shortened to fit, until the next key anywhere or
    // until the time has passed.
    void showBriefly(const QString& text, const QRect& body, std::chrono::milliseconds lasting);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int padding() const;
    void recolour();
    void applySpot(const NoticeSpot& spot);
    QPolygon outline() const;

    Kind kind_;
    NoticeSide side_ = NoticeSide::Below;
    QRect body_; // the box without the pointer, in the bubble's own coordinates
    QPoint tip_; // the pointer's end, likewise
    QString fullText_;
    QTimer* lasting_ = nullptr;
    bool recolouring_ = false;
};

} // namespace quillon
