// What the About and Technical Support windows share: the logo, the product name, the version
// line, where the help is, plain texts, the mail address form and the "OK" button.
#pragma once

#include <QString>
#include <QUrl>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace quillon {

// "Version " and the program's major and minor version numbers: Version 1.0.
QString versionLine();

// A new mail to the address with the subject: mailto:address?Subject=subject.
QUrl mailUrl(const QString& address, const QString& subject);

QLabel* makeLogo(QWidget* parent);
QLabel* makeProductName(QWidget* parent);
QLabel* makeText(QWidget* parent, const QString& text);
// `HelpWhereabouts`: one line that says where the help is.
QLabel* makeHelpWhereabouts(QWidget* parent);

// `CmdOK`: the default button; it closes the window.
QPushButton* makeOkButton(QDialog* window);

// Fixes the window's size to what its layout needs, before it shows, so that it can be placed.
void fixSizeToLayout(QDialog* window);

} // namespace quillon
