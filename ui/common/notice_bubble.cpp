#include "ui/common/notice_bubble.h"

#include "ui/common/announcement.h"
#include "ui/common/notice_colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>

namespace quillon {
namespace {

constexpr int kEdge = 1;
constexpr int kTallest = 10000; // no notice is this tall

// A bubble announces itself as an alert when it appears; a line is plain text to be read.
QAccessibleInterface* noticeInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(NoticeBubble::staticMetaObject.className()))
        return nullptr;
    auto* notice = qobject_cast<NoticeBubble*>(object);
    if (notice == nullptr)
        return nullptr;
    return new QAccessibleWidget(notice, notice->kind() == NoticeBubble::Kind::Pointing
                                             ? QAccessible::AlertMessage
                                             : QAccessible::StaticText);
}

int textFlags(NoticeBubble::Kind kind) {
    const int wrap = kind == NoticeBubble::Kind::Pointing ? int(Qt::TextWordWrap) : 0;
    return int(Qt::AlignLeft | Qt::AlignVCenter) | wrap;
}

// The text whole when it fits the width, else shortened with an ellipsis.
QString fitted(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.horizontalAdvance(text) <= width
               ? text
               : metrics.elidedText(text, Qt::ElideRight, width);
}

} // namespace

NoticeBubble::NoticeBubble(Kind kind, QWidget* window) : QLabel(window), kind_(kind) {
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(&noticeInterface);
        return true;
    }();
    static_cast<void>(interfaceInstalled);

    setObjectName(kind == Kind::Pointing ? QStringLiteral("Notice") : QStringLiteral("Copied"));
    setTextFormat(Qt::PlainText);
    setWordWrap(kind == Kind::Pointing);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The ground is the palette's window colour, filled within the bubble's shape only.
    setAutoFillBackground(true);
    hide();
    if (kind == Kind::Line) {
        lasting_ = new QTimer(this);
        lasting_->setSingleShot(true);
        connect(lasting_, &QTimer::timeout, this, &QWidget::hide);
    }
    recolour();
}

int NoticeBubble::padding() const {
    return std::max(2, fontMetrics().height() / 6);
}

int NoticeBubble::pointerHeight() const {
    return kind_ == Kind::Pointing ? std::max(5, fontMetrics().height() / 2) : 0;
}

QSize NoticeBubble::bodySize(const QString& text, int maxWidth) const {
    const int frameWidth = 2 * (kEdge + 2 * padding());
    const int frameHeight = 2 * (kEdge + padding());
    const int textWidth = std::max(1, maxWidth - frameWidth);
    const QFontMetrics metrics = fontMetrics();
    const QString shown = kind_ == Kind::Line ? fitted(metrics, text, textWidth) : text;
    const auto neededWithin = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, width, kTallest), textFlags(kind_), shown);
    };
    QRect needed = neededWithin(textWidth);
    // Wrapped lines of even length: the narrowest width that needs no more lines.
    int narrow = 1;
    int wide = textWidth;
    while (needed.height() > metrics.height() + metrics.leading() && wide - narrow > 1) {
        const int middle = (narrow + wide) / 2;
        if (neededWithin(middle).height() > needed.height())
            narrow = middle;
        else
            wide = middle;
    }
    needed = neededWithin(wide);
    return {needed.width() + frameWidth, needed.height() + frameHeight};
}

void NoticeBubble::applySpot(const NoticeSpot& spot) {
    const int pointer = pointerHeight();
    const QRect whole = noticeBounds(spot, pointer);
    side_ = spot.side;
    body_ = spot.body.translated(-whole.topLeft());
    tip_ = spot.tip - whole.topLeft();
    setGeometry(whole);
    const int inset = kEdge + padding();
    QMargins margins(inset + padding(), inset, inset + padding(), inset);
    if (pointer > 0) {
        switch (side_) {
        case NoticeSide::Below:
            margins.setTop(margins.top() + pointer);
            break;
        case NoticeSide::Above:
            margins.setBottom(margins.bottom() + pointer);
            break;
        case NoticeSide::Left:
            margins.setRight(margins.right() + pointer);
            break;
        }
    }
    setContentsMargins(margins);
    setMask(QRegion(outline()));
}

void NoticeBubble::showAt(const QString& text, const NoticeSpot& spot) {
    hide();
    recolour();
    fullText_ = text;
    setText(text);
    setAccessibleName(text);
    applySpot(spot);
    raise();
    show();
    announce(this);
}

void NoticeBubble::moveTo(const NoticeSpot& spot) {
    applySpot(spot);
    update();
}

void NoticeBubble::showBriefly(const QString& text, const QRect& body,
                               std::chrono::milliseconds lasting) {
    hide();
    recolour();
    fullText_ = text;
    const int frameWidth = 2 * (kEdge + 2 * padding());
    setText(fitted(fontMetrics(), text, body.width() - frameWidth));
    // Screen readers get the whole text, not the shortened one.
    setAccessibleName(text);
    applySpot({body, body.topLeft(), NoticeSide::Below});
    raise();
    show();
    qApp->installEventFilter(this);
    lasting_->start(lasting);
}

QPolygon NoticeBubble::outline() const {
    // Round the box from its top left corner, the pointer's notch on the side facing the target.
    const int pointer = pointerHeight();
    const int left = body_.left();
    const int top = body_.top();
    const int right = body_.right() + 1;
    const int bottom = body_.bottom() + 1;
    QPolygon shape;
    shape << QPoint(left, top);
    if (pointer > 0 && side_ == NoticeSide::Below) {
        shape << QPoint(tip_.x() - pointer, top) << QPoint(tip_.x(), top - pointer)
              << QPoint(tip_.x() + pointer, top);
    }
    shape << QPoint(right, top);
    if (pointer > 0 && side_ == NoticeSide::Left) {
        shape << QPoint(right, tip_.y() - pointer) << QPoint(right + pointer, tip_.y())
              << QPoint(right, tip_.y() + pointer);
    }
    shape << QPoint(right, bottom);
    if (pointer > 0 && side_ == NoticeSide::Above) {
        shape << QPoint(tip_.x() + pointer, bottom) << QPoint(tip_.x(), bottom + pointer)
              << QPoint(tip_.x() - pointer, bottom);
    }
    shape << QPoint(left, bottom);
    return shape;
}

void NoticeBubble::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const NoticeColours colours = noticeColours(parentWidget()->palette());
    // The edge runs just inside the shape, so that the mask keeps all of it.
    QPainterPath edge;
    const QPolygon shape = outline();
    const QPointF middle = QRectF(rect()).center();
    QPolygonF inside;
    for (const QPoint& corner : shape) {
        const QPointF at(corner);
        inside << QPointF(at.x() + (at.x() < middle.x() ? 0.5 : -0.5),
                          at.y() + (at.y() < middle.y() ? 0.5 : -0.5));
    }
    edge.addPolygon(inside);
    edge.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.edge, kEdge));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(edge);
    painter.setPen(colours.text);
    painter.drawText(contentsRect(), textFlags(kind_), text());
}

void NoticeBubble::recolour() {
    if (recolouring_ || parentWidget() == nullptr)
        return;
    recolouring_ = true;
    const NoticeColours colours = noticeColours(parentWidget()->palette());
    QPalette own = palette();
    own.setColor(QPalette::Window, colours.ground);
    own.setColor(QPalette::WindowText, colours.text);
    setPalette(own);
    recolouring_ = false;
}

void NoticeBubble::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        recolour();
    QLabel::changeEvent(event);
}

bool NoticeBubble::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible())
        hide();
    return QLabel::eventFilter(watched, event);
}

void NoticeBubble::hideEvent(QHideEvent* event) {
    if (lasting_ != nullptr) {
        lasting_->stop();
        qApp->removeEventFilter(this);
    }
    QLabel::hideEvent(event);
}

} // namespace quillon
