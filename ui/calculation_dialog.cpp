#include "calculation_dialog.h"

#include <QKeyEvent>

namespace quillon {

void CalculationDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quillon
