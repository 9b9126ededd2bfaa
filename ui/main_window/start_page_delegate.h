// Draws the start page's list: a family's caption as a heading, and each calculation indented
// under it with its title, then its readable name in a quieter colour that still reads.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class QPalette;

namespace quillon {

// What an item of the start page's list holds beside its text.
enum StartPageRole {
    kMenuItemRole = Qt::UserRole, // the objectName of the menu item it opens; none: a heading
    kReadableNameRole = Qt::UserRole + 1, // "t-critical"
};

// The colour of the readable name: between the text and the ground it stands on, but with at
// least the 4.5 to 1 contrast of ordinary text against that ground.
QColor quietTextColour(const QPalette& palette, bool selected);

class StartPageDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace quillon
