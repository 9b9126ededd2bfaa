#include "ui/common/visible_edges_style.h"

#include "ui/common/colour_contrast.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace quillon {

namespace {

// The corner radius of a box's edge, as the common styles round their line edits.
constexpr qreal kBoxCornerRadius = 2;
// An option button's ring: two pixels wide, so that however the curve is smoothed, a whole pixel
// of it lies across each side, as clear as a straight edge.
constexpr qreal kRingWidth = 2;

// A one-pixel line on the outermost pixels of `rect`, whatever the device pixel ratio.
QRectF outermostPixels(const QRect& rect) {
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

bool showsKeyboardFocus(const QStyleOption* option) {
    return (option->state & QStyle::State_HasFocus) &&
           (option->state & QStyle::State_KeyboardFocusChange);
}

// The fill of a check box or an option button: the boxes' own, a little darker while pressed.
QColor indicatorFill(const QStyleOption* option) {
    const QColor base = option->palette.color(QPalette::Base);
    return (option->state & QStyle::State_Sunken)
               ? mixColours(base, option->palette.color(QPalette::Text), 0.15)
               : base;
}

void drawBoxEdge(const QStyleOption* option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen((option->state & QStyle::State_HasFocus) ? focusEdgeColour(option->palette)
                                                                  : edgeColour(option->palette),
                         1));
    painter->drawRoundedRect(outermostPixels(option->rect), kBoxCornerRadius, kBoxCornerRadius);
    painter->restore();
}

void drawFrameEdge(const QStyleOption* option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(edgeColour(option->palette));
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void drawCheckBox(const QStyleOption* option, QPainter* painter) {
    const QRectF box = outermostPixels(option->rect);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(indicatorFill(option));
    painter->setPen(QPen(showsKeyboardFocus(option) ? focusEdgeColour(option->palette)
                                                    : edgeColour(option->palette),
                         1));
    painter->drawRect(box);
    const qreal width = box.width();
    const qreal height = box.height();
    QPen mark(option->palette.color(QPalette::Text), std::max<qreal>(1.5, width / 7));
    mark.setCapStyle(Qt::RoundCap);
    mark.setJoinStyle(Qt::RoundJoin);
    painter->setPen(mark);
    painter->setBrush(Qt::NoBrush);
    if (option->state & QStyle::State_NoChange) {
        painter->drawLine(QPointF(box.left() + width * 0.25, box.center().y()),
                          QPointF(box.right() - width * 0.25, box.center().y()));
    } else if (option->state & QStyle::State_On) {
        QPainterPath tick(QPointF(box.left() + width * 0.22, box.top() + height * 0.52));
        tick.lineTo(box.left() + width * 0.42, box.top() + height * 0.74);
        tick.lineTo(box.left() + width * 0.78, box.top() + height * 0.28);
        painter->drawPath(tick);
    }
    painter->restore();
}

void drawOptionButton(const QStyleOption* option, QPainter* painter) {
    const QRectF bounds(option->rect);
    const qreal radius = std::min(bounds.width(), bounds.height()) / 2;
    const QPointF centre = bounds.center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(indicatorFill(option));
    painter->setPen(QPen(showsKeyboardFocus(option) ? focusEdgeColour(option->palette)
                                                    : edgeColour(option->palette),
                         kRingWidth));
    // The ring on the outermost pixels, inside the bounds.
    painter->drawEllipse(centre, radius - kRingWidth / 2, radius - kRingWidth / 2);
    if (option->state & QStyle::State_On) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(option->palette.color(QPalette::Text));
        painter->drawEllipse(centre, radius / 2.2, radius / 2.2);
    }
    painter->restore();
}

// The right and bottom borders of a heading section, in the colour of the grid lines that
// continue them.
void drawSectionBorders(const QStyleOption* option, QPainter* painter) {
    const QRect& rect = option->rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(edgeColour(option->palette));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}

} // namespace

VisibleEdgesStyle::VisibleEdgesStyle(QStyle* base) : QProxyStyle(base) {}

void VisibleEdgesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_IndicatorCheckBox:
        drawCheckBox(option, painter);
        return;
    case PE_IndicatorRadioButton:
        drawOptionButton(option, painter);
        return;
    case PE_PanelLineEdit: {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame != nullptr && frame->lineWidth > 0)
            drawBoxEdge(option, painter);
        return;
    }
    case PE_Frame:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (qobject_cast<const QAbstractScrollArea*>(widget) != nullptr)
            drawFrameEdge(option, painter);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void VisibleEdgesStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_HeaderSection)
        drawSectionBorders(option, painter);
}

int VisibleEdgesStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* returnData) const {
    if (hint == SH_Table_GridLineColor) {
        const QPalette palette = option != nullptr   ? option->palette
                                 : widget != nullptr ? widget->palette()
                                                     : QApplication::palette();
        return static_cast<int>(edgeColour(palette).rgba());
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void useVisibleEdgesStyle() {
    QStyle* present = QApplication::style();
    if (qobject_cast<VisibleEdgesStyle*>(present) != nullptr)
        return;
    // A fresh copy of the present style goes underneath: the application owns the present one.
    QApplication::setStyle(new VisibleEdgesStyle(QStyleFactory::create(present->name())));
}

} // namespace quillon
