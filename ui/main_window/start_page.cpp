#include "ui/main_window/start_page.h"

#include "calculations/calculation_family.h"
#include "calculations/calculation_search.h"
#include "ui/common/announcement.h"
#include "ui/common/text_conversion.h"
#include "ui/main_window/start_page_delegate.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {

QListWidgetItem* headingItem(const QString& family) {
    auto* item = new QListWidgetItem(family);
    // A heading is read but never chosen: the arrow keys pass it by.
    item->setFlags(Qt::ItemIsEnabled);
    item->setData(Qt::AccessibleTextRole, family);
    return item;
}

QListWidgetItem* calculationItem(const CatalogueEntry& row) {
    const QString title = toQString(row.title);
    auto* item = new QListWidgetItem(title);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(kMenuItemRole, toQString(row.menuItem));
    item->setData(kReadableNameRole, toQString(row.commandName));
    // Two windows share a title; their family tells them apart when read aloud.
    item->setData(Qt::AccessibleTextRole,
                  title + QStringLiteral(", ") + QString::fromStdString(familyCaption(row)));
    item->setData(Qt::AccessibleDescriptionRole, toQString(row.commandName));
    return item;
}

bool isCalculation(const QListWidgetItem* item) {
    return item != nullptr && !item->data(kMenuItemRole).toString().isEmpty();
}

} // namespace

StartPage::StartPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StartPage"));
    auto* prompt = new QLabel(QStringLiteral("Find a calculation:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("StartSearch"));
    search_->setAccessibleName(QStringLiteral("Find a calculation"));
    search_->setPlaceholderText(QStringLiteral("t test, anova, sample size, correlation..."));
    search_->setClearButtonEnabled(true);
    // A few words find any calculation; a long paste is cut short rather than searched.
    search_->setMaxLength(200);
    prompt->setBuddy(search_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("StartList"));
    list_->setAccessibleName(QStringLiteral("Calculations"));
    list_->setItemDelegate(new StartPageDelegate(list_));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    nothing_ = new QLabel(this);
    nothing_->setObjectName(QStringLiteral("StartNothing"));
    nothing_->setWordWrap(true);
    nothing_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nothing_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addWidget(nothing_, 1);

    connect(search_, &QLineEdit::textChanged, this, &StartPage::showMatches);
    // Activation follows the desktop: a double click, or a single click where the desktop says
    // so; a plain click only selects.
    connect(list_, &QListWidget::itemActivated, this, &StartPage::choose);
    search_->installEventFilter(this);
    list_->installEventFilter(this);
    setFocusProxy(search_);
    showMatches({});
}

void StartPage::showMatches(const QString& text) {
    list_->clear();
    const std::vector<CalculationMatch> matches = findCalculations(text.toStdString());
    const bool grouped = searchWords(text.toStdString()).empty();
    QString family;
    for (const CalculationMatch& match : matches) {
        if (grouped) {
            const QString own = QString::fromStdString(familyCaption(*match.row));
            if (own != family)
                list_->addItem(headingItem(own));
            family = own;
        }
        list_->addItem(calculationItem(*match.row));
    }
    const bool found = !matches.empty();
    list_->setVisible(found);
    nothing_->setVisible(!found);
    if (found) {
        nothing_->clear();
        moveCurrent(0);
        list_->scrollToTop();
        return;
    }
    const bool news = nothing_->text().isEmpty();
    nothing_->setText(QStringLiteral("No calculation matches \"%1\".").arg(text.trimmed()));
    nothing_->setAccessibleName(nothing_->text());
    // Said aloud when the list empties; further letters only change the text.
    if (news)
        announce(nothing_);
}

void StartPage::moveCurrent(int step) {
    std::vector<int> rows;
    for (int row = 0; row < list_->count(); ++row)
        if (isCalculation(list_->item(row)))
            rows.push_back(row);
    if (rows.empty())
        return;
    const auto at = std::find(rows.begin(), rows.end(), list_->currentRow());
    const int from = at == rows.end() ? 0 : static_cast<int>(at - rows.begin());
    const int to = std::clamp(from + step, 0, static_cast<int>(rows.size()) - 1);
    list_->setCurrentRow(rows[static_cast<std::size_t>(to)]);
    // The first calculation brings its heading into view with it.
    if (to == 0)
        list_->scrollToTop();
    else
        list_->scrollToItem(list_->currentItem());
}

void StartPage::choose(const QListWidgetItem* item) {
    if (isCalculation(item))
        emit chosen(item->data(kMenuItemRole).toString());
}

bool StartPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && handleKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool StartPage::handleKey(QObject* watched, QKeyEvent* key) {
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return false;
    // A page is as many calculations as the list shows at once.
    const int rowHeight = list_->currentItem() != nullptr
                              ? list_->visualItemRect(list_->currentItem()).height()
                              : fontMetrics().height();
    const int page = std::max(1, list_->viewport()->height() / std::max(1, rowHeight) - 1);
    switch (key->key()) {
    case Qt::Key_Down:
        moveCurrent(1);
        return true;
    case Qt::Key_Up:
        moveCurrent(-1);
        return true;
    case Qt::Key_PageDown:
        moveCurrent(page);
        return true;
    case Qt::Key_PageUp:
        moveCurrent(-page);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(list_->currentItem());
        return true;
    case Qt::Key_Escape:
        search_->clear();
        search_->setFocus();
        return true;
    default:
        break;
    }
    if (watched != list_)
        return false;
    if (key->key() == Qt::Key_Home || key->key() == Qt::Key_End) {
        moveCurrent(key->key() == Qt::Key_Home ? -list_->count() : list_->count());
        return true;
    }
    // Typing in the list goes on in the search box.
    if (key->key() == Qt::Key_Backspace || (!key->text().isEmpty() && key->text()[0].isPrint())) {
        search_->setFocus();
        QCoreApplication::sendEvent(search_, key);
        return true;
    }
    return false;
}

} // namespace quillon
