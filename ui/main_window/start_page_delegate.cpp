#include "ui/main_window/start_page_delegate.h"

#include "ui/common/colour_contrast.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace quillon {

namespace {

constexpr double kTextContrast = 4.5;

bool isHeading(const QModelIndex& index) {
    return index.data(kMenuItemRole).toString().isEmpty();
}

QFont headingFont(QFont font) {
    font.setBold(true);
    return font;
}

// The room around a line of text, and the indent of a calculation under its heading.
int padding(const QFontMetrics& metrics) {
    return metrics.height() / 5;
}
int indent(const QFontMetrics& metrics) {
    return metrics.averageCharWidth() * 3;
}

} // namespace

QColor quietTextColour(const QPalette& palette, bool selected) {
    const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor ground = palette.color(selected ? QPalette::Highlight : QPalette::Base);
    for (double towards = 0.4; towards > 0.0; towards -= 0.05) {
        const QColor quiet = mixColours(text, ground, towards);
        if (contrastRatio(quiet, ground) >= kTextContrast)
            return quiet;
    }
    return text;
}

void StartPageDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString title = item.text;
    const QString name = index.data(kReadableNameRole).toString();
    // The style draws the ground, the selection and the focus frame; the texts are drawn here.
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QFontMetrics metrics(option.font);
    QRect area = option.rect.adjusted(padding(metrics), 0, -padding(metrics), 0);
    if (isHeading(index)) {
        painter->setFont(headingFont(option.font));
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, title);
        painter->restore();
        return;
    }
    area.setLeft(area.left() + indent(metrics));
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QString shownTitle = metrics.elidedText(title, Qt::ElideRight, area.width());
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownTitle);
    const int gap = metrics.averageCharWidth() * 2;
    QRect nameArea = area;
    nameArea.setLeft(area.left() + metrics.horizontalAdvance(shownTitle) + gap);
    if (nameArea.width() > 0 && !name.isEmpty()) {
        painter->setPen(quietTextColour(option.palette, selected));
        painter->drawText(nameArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          metrics.elidedText(name, Qt::ElideRight, nameArea.width()));
    }
    painter->restore();
}

QSize StartPageDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QFontMetrics metrics(option.font);
    const QString title = index.data(Qt::DisplayRole).toString();
    if (isHeading(index)) {
        // A heading keeps a little room above it, apart from the family before.
        const QFontMetrics bold(headingFont(option.font));
        return {bold.horizontalAdvance(title) + 2 * padding(metrics),
                bold.height() + 4 * padding(metrics)};
    }
    const QString name = index.data(kReadableNameRole).toString();
    const int width = indent(metrics) + metrics.horizontalAdvance(title) +
                      metrics.averageCharWidth() * 2 + metrics.horizontalAdvance(name) +
                      2 * padding(metrics);
    return {width, metrics.height() + 2 * padding(metrics)};
}

} // namespace quillon
