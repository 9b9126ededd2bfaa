// `Help3`, "About Quillon": logo, product name, version and where the help is; the maker with its
// address, telephone and notices, and the sales mail address, which opens a new mail when clicked.
// What the deployment has not given is left out, with its caption.
#pragma once

#include "ui/information/deployment.h"

#include <QDialog>

namespace quillon {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr,
                         const Deployment& deployment = builtDeployment());

private:
    void mailSales();

    QString salesMail_;
};

} // namespace quillon
