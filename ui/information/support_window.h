// `Support`, "Technical Support": where the statistics book is on the web, and how to reach the
// maker by post, mail and telephone. The book's address opens the browser; every label of the
// `Label3` group (captions, telephone, mail address, version) opens a new mail to support.
#pragma once

#include <QDialog>

class QLayout;

namespace quillon {

class LinkLabel;

class SupportWindow : public QDialog {
    Q_OBJECT
public:
    explicit SupportWindow(QWidget* parent = nullptr);

private:
    // The logo beside the product name, heading and version.
    QLayout* buildHeading();
    // Where the statistics book is on the web.
    QLayout* buildBookLines();
    // Post, mail and telephone.
    QLayout* buildContact();
    // An element of the `Label3` group, with its index in the group.
    LinkLabel* makeGroupLabel(int index, const QString& text, bool looksLikeLink = false);
    void openBookSite();
    void mailSupport();
};

} // namespace quillon
