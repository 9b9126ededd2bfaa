#include "ui/information/about_window.h"

#include "ui/common/twips.h"
#include "ui/information/information_parts.h"
#include "ui/information/link_label.h"
#include "ui/information/url_opener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

AboutWindow::AboutWindow(QWidget* parent, const Deployment& deployment)
    : QDialog(parent), salesMail_(deployment.salesMail) {
    setObjectName(QStringLiteral("Help3"));
    setWindowTitle(QStringLiteral("About Quillon"));

    auto* version = makeText(this, versionLine());
    version->setObjectName(QStringLiteral("Label3"));

    auto* maker = new QVBoxLayout;
    maker->setSpacing(0);
    if (!deployment.makerName.isEmpty())
        maker->addWidget(makeText(this, deployment.makerName));
    for (const QString& line : deployment.makerAddress)
        maker->addWidget(makeText(this, line));
    if (!deployment.makerTelephone.isEmpty())
        maker->addWidget(makeText(this, QStringLiteral("Telephone: ") + deployment.makerTelephone));
    if (!salesMail_.isEmpty()) {
        auto* salesMail = new LinkLabel(salesMail_, LinkLabel::Look::Link, this);
        salesMail->setObjectName(QStringLiteral("Label12"));
        connect(salesMail, &LinkLabel::clicked, this, &AboutWindow::mailSales);
        auto* mail = new QHBoxLayout;
        mail->setSpacing(fromTwips(90));
        mail->addWidget(makeText(this, QStringLiteral("Email:")));
        mail->addWidget(salesMail);
        mail->addStretch();
        maker->addLayout(mail);
    }

    auto* texts = new QVBoxLayout;
    texts->setSpacing(fromTwips(60));
    texts->addWidget(makeProductName(this));
    texts->addWidget(version);
    texts->addWidget(makeHelpWhereabouts(this));
    if (maker->count() > 0) {
        texts->addSpacing(fromTwips(240));
        texts->addLayout(maker);
    } else {
        delete maker;
    }

    auto* top = new QHBoxLayout;
    top->addWidget(makeLogo(this), 0, Qt::AlignTop);
    top->addSpacing(fromTwips(360));
    top->addLayout(texts);

    auto* noticeLines = new QVBoxLayout;
    noticeLines->setSpacing(0);
    for (const QString& notice : notices(deployment))
        noticeLines->addWidget(makeText(this, notice));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeOkButton(this));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(fromTwips(360), fromTwips(360), fromTwips(360), fromTwips(240));
    layout->addLayout(top);
    layout->addSpacing(fromTwips(240));
    layout->addLayout(noticeLines);
    layout->addSpacing(fromTwips(120));
    layout->addLayout(buttons);
    fixSizeToLayout(this);
}

void AboutWindow::mailSales() {
    urlOpener().open(mailUrl(salesMail_, QStringLiteral("Quillon")));
}

} // namespace quillon
