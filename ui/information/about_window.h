// `Help3`, "About Quillon": logo, product name, version, the maker with its address, telephone and
// notices, and the sales mail address, which opens a new mail when clicked.
#pragma once

#include <QDialog>

namespace quillon {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

private:
    void mailSales();
};

} // namespace quillon
