#include "ui/information/support_window.h"

#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/information/deployment.h"
#include "ui/information/information_parts.h"
#include "ui/information/link_label.h"
#include "ui/information/url_opener.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

SupportWindow::SupportWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Support"));
    setWindowTitle(QStringLiteral("Technical Support"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeOkButton(this));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(fromTwips(360), fromTwips(360), fromTwips(360), fromTwips(240));
    layout->addLayout(buildHeading());
    layout->addSpacing(fromTwips(240));
    layout->addLayout(buildBookLines());
    layout->addSpacing(fromTwips(240));
    layout->addLayout(buildContact());
    layout->addSpacing(fromTwips(120));
    layout->addLayout(buttons);
    fixSizeToLayout(this);
}

QLayout* SupportWindow::buildHeading() {
    auto* heading = makeText(this, QStringLiteral("Technical Support"));
    heading->setObjectName(QStringLiteral("Heading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(fromTwips(60));
    texts->addWidget(makeProductName(this));
    texts->addWidget(heading);
    texts->addWidget(makeGroupLabel(9, versionLine()));
    auto* top = new QHBoxLayout;
    top->addWidget(makeLogo(this), 0, Qt::AlignTop);
    top->addSpacing(fromTwips(360));
    top->addLayout(texts);
    top->addStretch();
    return top;
}

QLayout* SupportWindow::buildBookLines() {
    auto* bookSite =
        new LinkLabel(toQString(deployment::kBookWebAddress), LinkLabel::Look::Link, this);
    bookSite->setObjectName(QStringLiteral("Label2"));
    connect(bookSite, &LinkLabel::clicked, this, &SupportWindow::openBookSite);
    auto* siteLine = new QHBoxLayout;
    siteLine->setSpacing(0);
    siteLine->addWidget(makeGroupLabel(5, QStringLiteral("at our web site: ")));
    siteLine->addWidget(bookSite);
    siteLine->addStretch();
    auto* book = new QVBoxLayout;
    book->setSpacing(0);
    book->addWidget(makeText(
        this, QStringLiteral("Detailed explanations of all statistical procedures and formulas")));
    book->addWidget(makeText(this, QStringLiteral("are found in our statistics book, available")));
    book->addLayout(siteLine);
    return book;
}

QLayout* SupportWindow::buildContact() {
    auto* contact = new QGridLayout;
    contact->setVerticalSpacing(0);
    contact->setHorizontalSpacing(fromTwips(240));
    int row = 0;
    contact->addWidget(makeGroupLabel(0, QStringLiteral("Mail:")), row, 0);
    contact->addWidget(makeText(this, toQString(deployment::kMakerName)), row++, 1);
    for (const std::string_view line : deployment::kMakerAddress) {
        contact->addWidget(makeText(this, toQString(line)), row++, 1);
    }
    contact->setRowMinimumHeight(row++, fromTwips(120));
    contact->addWidget(makeGroupLabel(1, QStringLiteral("E-mail:")), row, 0);
    contact->addWidget(makeGroupLabel(4, toQString(deployment::kSupportMail), true), row++, 1);
    contact->addWidget(makeGroupLabel(2, QStringLiteral("Telephone:")), row, 0);
    contact->addWidget(makeGroupLabel(3, toQString(deployment::kSupportTelephone)), row++, 1);
    contact->setColumnStretch(2, 1);
    return contact;
}

LinkLabel* SupportWindow::makeGroupLabel(int index, const QString& text, bool looksLikeLink) {
    auto* label =
        new LinkLabel(text, looksLikeLink ? LinkLabel::Look::Link : LinkLabel::Look::Plain, this);
    label->setObjectName(QStringLiteral("Label3"));
    label->setProperty("index", index);
    connect(label, &LinkLabel::clicked, this, &SupportWindow::mailSupport);
    return label;
}

void SupportWindow::openBookSite() {
    urlOpener().open(QUrl(toQString(deployment::kBookWebAddress)));
}

void SupportWindow::mailSupport() {
    urlOpener().open(mailUrl(deployment::kSupportMail, QStringLiteral("Quillon Support")));
}

} // namespace quillon
