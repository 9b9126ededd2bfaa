#include "ui/information/about_window.h"

#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/information/deployment.h"
#include "ui/information/information_parts.h"
#include "ui/information/link_label.h"
#include "ui/information/url_opener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Help3"));
    setWindowTitle(QStringLiteral("About Quillon"));

    auto* version = makeText(this, versionLine());
    version->setObjectName(QStringLiteral("Label3"));

    auto* maker = new QVBoxLayout;
    maker->setSpacing(0);
    maker->addWidget(makeText(this, toQString(deployment::kMakerName)));
    for (const std::string_view line : deployment::kMakerAddress) {
        maker->addWidget(makeText(this, toQString(line)));
    }
    maker->addWidget(
        makeText(this, QStringLiteral("Telephone: ") + toQString(deployment::kMakerTelephone)));

    auto* salesMail = new LinkLabel(toQString(deployment::kSalesMail), LinkLabel::Look::Link, this);
    salesMail->setObjectName(QStringLiteral("Label12"));
    connect(salesMail, &LinkLabel::clicked, this, &AboutWindow::mailSales);
    auto* mail = new QHBoxLayout;
    mail->setSpacing(fromTwips(90));
    mail->addWidget(makeText(this, QStringLiteral("Email:")));
    mail->addWidget(salesMail);
    mail->addStretch();
    maker->addLayout(mail);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(fromTwips(60));
    texts->addWidget(makeProductName(this));
    texts->addWidget(version);
    texts->addSpacing(fromTwips(240));
    texts->addLayout(maker);

    auto* top = new QHBoxLayout;
    top->addWidget(makeLogo(this), 0, Qt::AlignTop);
    top->addSpacing(fromTwips(360));
    top->addLayout(texts);

    auto* notices = new QVBoxLayout;
    notices->setSpacing(0);
    for (const std::string_view notice : deployment::kNotices) {
        notices->addWidget(makeText(this, toQString(notice)));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeOkButton(this));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(fromTwips(360), fromTwips(360), fromTwips(360), fromTwips(240));
    layout->addLayout(top);
    layout->addSpacing(fromTwips(240));
    layout->addLayout(notices);
    layout->addSpacing(fromTwips(120));
    layout->addLayout(buttons);
    fixSizeToLayout(this);
}

void AboutWindow::mailSales() {
    urlOpener().open(mailUrl(deployment::kSalesMail, QStringLiteral("Quillon")));
}

} // namespace quillon
