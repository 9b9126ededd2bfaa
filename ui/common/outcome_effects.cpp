#include "ui/common/outcome_effects.h"

#include "ui/common/alerts.h"
#include "ui/common/text_conversion.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>

namespace quillon {
namespace {

// The busy cursor, shown for as long as this lives or until restored.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { restore(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void restore() {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};

} // namespace

void announceRefusal(QWidget* parent, const Refusal& refusal) {
    if (refusal.message.empty())
        alerts().beep();
    else
        alerts().showError(parent, toQString(refusal.message));
}

void replaceClipboardText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(withLineFeeds(text));
}

Evaluation evaluateOrReport(QWidget* parent, const std::function<Evaluation()>& evaluation) {
    // Every calculation answers within milliseconds; the busy cursor only marks that the press
    // was taken should a slow machine stretch one.
    BusyCursor busy;
    Evaluation evaluated = evaluation();
    if (evaluated.kind == Evaluation::Kind::Failed) {
        busy.restore();
        alerts().showError(parent, toQString(evaluated.message));
    }
    return evaluated;
}

} // namespace quillon
