// The main window's page: every calculation listed by family under a search box that finds one
// by what a person types. Enter opens the first one found (or the one moved to with the arrow
// keys), as its menu item would; Escape empties the search.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace quillon {

class StartPage : public QWidget {
    Q_OBJECT
public:
    explicit StartPage(QWidget* parent = nullptr);

    QLineEdit* searchBox() const { return search_; }
    QListWidget* list() const { return list_; }

signals:
    // A calculation is chosen: the objectName of the menu item that opens it.
    void chosen(const QString& menuItem);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMatches(const QString& text);
    // Moves the current item by a number of calculations, past the headings, within the list.
    void moveCurrent(int step);
    void choose(const QListWidgetItem* item);
    bool handleKey(QObject* watched, QKeyEvent* key);

    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* nothing_ = nullptr;
};

} // namespace quillon
