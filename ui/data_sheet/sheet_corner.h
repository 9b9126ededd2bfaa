// The corner where a grid's heading row meets its row-number column. Qt leaves it blank; the data
// sheets write the heading of the row numbers there ("Record", "Group").
#pragma once

#include <QObject>
#include <QString>

class QTableView;

namespace quillon {

class SheetCorner : public QObject {
    Q_OBJECT
public:
    // Takes over the painting of the view's corner button, which it also disables.
    explicit SheetCorner(QTableView* view);

    void setText(const QString& text);
    QString text() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* view_;
    QWidget* corner_ = nullptr;
    QString text_;
};

} // namespace quillon
