#include "ui/common/figure_view.h"

#include "ui/common/figure_painter.h"
#include "ui/common/text_conversion.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace quillon {

namespace {

const QString kWaiting = QStringLiteral("The figure of the next answer shows here.");

} // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FigureView"));
    setFocusPolicy(Qt::TabFocus);
    clearFigure();
}

void FigureView::showFigure(const FigureOutcome& outcome) {
    figure_ = outcome.figure;
    if (figure_) {
        reason_.clear();
        setAccessibleName(QStringLiteral("Figure: ") + toQString(figure_->title));
        setAccessibleDescription(toQString(figure_->description));
    } else {
        reason_ = outcome.reason.empty() ? QStringLiteral("There is no figure of this answer.")
                                         : toQString(outcome.reason);
        setAccessibleName(QStringLiteral("Figure"));
        setAccessibleDescription(reason_);
    }
    update();
}

void FigureView::clearFigure() {
    figure_.reset();
    reason_ = kWaiting;
    setAccessibleName(QStringLiteral("Figure"));
    setAccessibleDescription(reason_);
    update();
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const FigurePalette colours = figurePalette(palette());
    if (figure_)
        paintFigure(painter, *figure_, QSizeF(size()), colours);
    else
        paintFigureReason(painter, reason_, QSizeF(size()), colours);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = colours.background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace quillon
