// What the calculator and data sheet windows share as dialogs: they close only by "Exit" or the
// close box. Qt's dialog closes on Escape, which would throw away what was typed at a stray key.
#pragma once

#include <QDialog>

class QKeyEvent;

namespace quillon {

class CalculationDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quillon
