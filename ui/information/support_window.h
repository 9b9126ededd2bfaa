// `Support`, "Technical Support": where the help is, where the statistics book is on the web, and
// how to reach the maker by post, mail and telephone. The book's address opens the browser; with a
// support mail address, every label of the `Label3` group (captions, telephone, mail address,
// version) opens a new mail to it. What the deployment has not given is left out, with its caption.
#pragma once

#include "ui/information/deployment.h"

#include <QDialog>

class QLabel;
class QLayout;

namespace quillon {

class SupportWindow : public QDialog {
    Q_OBJECT
public:
    explicit SupportWindow(QWidget* parent = nullptr,
                           const Deployment& deployment = builtDeployment());

private:
    // The logo beside the product name, heading and version.
    QLayout* buildHeading();
    // Where the statistics book is on the web.
    QLayout* buildBookLines();
    // Post, mail and telephone; nothing when the deployment gives none of them.
    QLayout* buildContact();
    // An element of the `Label3` group, with its index in the group.
    QLabel* makeGroupLabel(int index, const QString& text, bool looksLikeLink = false);
    void openBookSite();
    void mailSupport();

    Deployment deployment_;
};

} // namespace quillon
