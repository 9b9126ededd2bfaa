#include "ui/information/support_window.h"

#include "ui/common/twips.h"
#include "ui/information/information_parts.h"
#include "ui/information/link_label.h"
#include "ui/information/url_opener.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

SupportWindow::SupportWindow(QWidget* parent, const Deployment& deployment)
    : QDialog(parent), deployment_(deployment) {
    setObjectName(QStringLiteral("Support"));
    setWindowTitle(QStringLiteral("Technical Support"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeOkButton(this));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(fromTwips(360), fromTwips(360), fromTwips(360), fromTwips(240));
    layout->addLayout(buildHeading());
    layout->addSpacing(fromTwips(240));
    layout->addWidget(makeHelpWhereabouts(this));
    for (QLayout* part : {buildBookLines(), buildContact()}) {
        if (part != nullptr) {
            layout->addSpacing(fromTwips(240));
            layout->addLayout(part);
        }
    }
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
    if (deployment_.bookWebAddress.isEmpty())
        return nullptr;
    auto* bookSite = new LinkLabel(deployment_.bookWebAddress, LinkLabel::Look::Link, this);
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
    // "Mail:" heads the postal address; a maker without one is named alone.
    if (!deployment_.makerAddress.isEmpty())
        contact->addWidget(makeGroupLabel(0, QStringLiteral("Mail:")), row, 0);
    if (!deployment_.makerName.isEmpty())
        contact->addWidget(makeText(this, deployment_.makerName), row++, 1);
    for (const QString& line : deployment_.makerAddress)
        contact->addWidget(makeText(this, line), row++, 1);
    const bool mail = !deployment_.supportMail.isEmpty();
    const bool telephone = !deployment_.supportTelephone.isEmpty();
    if (row > 0 && (mail || telephone))
        contact->setRowMinimumHeight(row++, fromTwips(120));
    if (mail) {
        contact->addWidget(makeGroupLabel(1, QStringLiteral("E-mail:")), row, 0);
        contact->addWidget(makeGroupLabel(4, deployment_.supportMail, true), row++, 1);
    }
    if (telephone) {
        contact->addWidget(makeGroupLabel(2, QStringLiteral("Telephone:")), row, 0);
        contact->addWidget(makeGroupLabel(3, deployment_.supportTelephone), row++, 1);
    }
    if (row == 0) {
        delete contact;
        return nullptr;
    }
    contact->setColumnStretch(2, 1);
    return contact;
}

QLabel* SupportWindow::makeGroupLabel(int index, const QString& text, bool looksLikeLink) {
    QLabel* label = nullptr;
    if (deployment_.supportMail.isEmpty()) {
        // No address to write to: the group is plain text.
        label = makeText(this, text);
    } else {
        auto* link = new LinkLabel(
            text, looksLikeLink ? LinkLabel::Look::Link : LinkLabel::Look::Plain, this);
        connect(link, &LinkLabel::clicked, this, &SupportWindow::mailSupport);
        label = link;
    }
    label->setObjectName(QStringLiteral("Label3"));
    label->setProperty("index", index);
    return label;
}

void SupportWindow::openBookSite() {
    urlOpener().open(QUrl(deployment_.bookWebAddress));
}

void SupportWindow::mailSupport() {
    urlOpener().open(mailUrl(deployment_.supportMail, QStringLiteral("Quillon Support")));
}

} // namespace quillon
