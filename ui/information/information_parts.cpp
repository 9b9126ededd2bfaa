#include "ui/information/information_parts.h"

#include "core/number_text.h"
#include "ui/common/program_icon.h"
#include "ui/common/text_conversion.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QUrlQuery>

namespace quillon {

namespace {

constexpr int kLogoSize = 64;

} // namespace

QString versionLine() {
    return QStringLiteral("Version ") +
           toQString(trimmedPlainForm(static_cast<double>(QUILLON_VERSION_MAJOR))) +
           QStringLiteral(".") +
           toQString(trimmedPlainForm(static_cast<double>(QUILLON_VERSION_MINOR)));
}

QUrl mailUrl(const QString& address, const QString& subject) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("Subject"), subject);
    url.setQuery(query);
    return url;
}

QLabel* makeLogo(QWidget* parent) {
    auto* logo = new QLabel(parent);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPixmap(programIcon().pixmap(QSize(kLogoSize, kLogoSize), parent->devicePixelRatio()));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return logo;
}

QLabel* makeProductName(QWidget* parent) {
    auto* name = makeText(parent, QStringLiteral("Quillon"));
    name->setObjectName(QStringLiteral("ProductName"));
    QFont large = name->font();
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 2);
    else
        large.setPixelSize(large.pixelSize() * 2);
    large.setBold(true);
    name->setFont(large);
    return name;
}

QLabel* makeText(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeHelpWhereabouts(QWidget* parent) {
    auto* line =
        makeText(parent, QStringLiteral("Help: choose Contents on the Help menu, or press F1."));
    line->setObjectName(QStringLiteral("HelpWhereabouts"));
    return line;
}

QPushButton* makeOkButton(QDialog* window) {
    auto* ok = new QPushButton(QStringLiteral("OK"), window);
    ok->setObjectName(QStringLiteral("CmdOK"));
    ok->setDefault(true);
    ok->setFocus();
    QObject::connect(ok, &QPushButton::clicked, window, &QWidget::close);
    return ok;
}

void fixSizeToLayout(QDialog* window) {
    window->ensurePolished();
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->layout()->activate();
}

} // namespace quillon
