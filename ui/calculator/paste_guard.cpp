#include "ui/calculator/paste_guard.h"

#include "ui/calculator/clipboard_chord.h"
#include "ui/calculator/pasted_text.h"
#include "ui/common/alerts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace quillon {

namespace {

// A line edit starts a new undo step only when its caret moves. Moving the caret away and back
// (restoring the selection) before and after an insertion makes the insertion one step of its
// own, as the box's own paste is, instead of one with the keys typed before or after it.
void startUndoStep(QLineEdit* box) {
    const qsizetype length = box->text().size();
    if (length == 0)
        return;
    const int caret = box->cursorPosition();
    const int start = box->selectionStart();
    const int selected = box->selectionLength();
    box->setCursorPosition(caret == 0 ? 1 : caret - 1);
    if (selected == 0)
        box->setCursorPosition(caret);
    else if (caret == start)
        box->setSelection(start + selected, -selected);
    else
        box->setSelection(start, selected);
}

bool isPasteKey(const QKeyEvent& press) {
    return clipboardChord(press.key(), press.modifiers()) == ClipboardChord::Paste ||
           press.matches(QKeySequence::Paste);
}

} // namespace

QAction* standardPasteAction(const QMenu& menu) {
    for (QAction* action : menu.actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste"))
            return action;
    return nullptr;
}

std::optional<QString> PasteGuard::refusal(const QString&, const QString&) const {
    return std::nullopt;
}

void PasteGuard::paste(QLineEdit* box, QClipboard::Mode mode) {
    if (box->isReadOnly())
        return;
    const qsizetype at = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    insertChecked(box, at, box->selectionLength(), QGuiApplication::clipboard()->text(mode));
}

void PasteGuard::insertChecked(QLineEdit* box, qsizetype at, qsizetype replaced,
                               const QString& incoming) {
    const QString pasted = trimmedPaste(incoming);
    if (pasted.isEmpty())
        return;
    if (const auto reason = refusal(pasted, textAfterInsert(box->text(), at, replaced, pasted))) {
        alerts().beep();
        emit pasteRefused(box, *reason);
        return;
    }
    startUndoStep(box);
    box->insert(pasted);
    startUndoStep(box);
}

bool PasteGuard::drop(QLineEdit* box, QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (box->isReadOnly() || data == nullptr || !data->hasText())
        return false;
    const QString incoming = data->text();
    const QString pasted = trimmedPaste(incoming);
    // A drop goes in at the point it is let go, beside the selection rather than over it.
    const int at = box->cursorPositionAt(event->position().toPoint());
    std::optional<QString> reason;
    if (!pasted.isEmpty())
        reason = refusal(pasted, textAfterInsert(box->text(), at, 0, pasted));
    if (pasted.isEmpty() || reason) {
        if (reason) {
            alerts().beep();
            emit pasteRefused(box, *reason);
        }
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return true;
    }
    if (pasted == incoming)
        return false;
    // The box drops the trimmed text itself, its caret and selection handled as for any drop.
    QMimeData trimmed;
    trimmed.setText(pasted);
    QDropEvent trimmedDrop(event->position(), event->possibleActions(), &trimmed, event->buttons(),
                           event->modifiers());
    trimmedDrop.setDropAction(event->dropAction());
    static_cast<QObject*>(box)->event(&trimmedDrop);
    event->setDropAction(trimmedDrop.dropAction());
    event->setAccepted(trimmedDrop.isAccepted());
    return true;
}

void PasteGuard::showMenu(QLineEdit* box, const QContextMenuEvent* event) {
    QMenu* menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* action = standardPasteAction(*menu)) {
        action->disconnect(box);
        connect(action, &QAction::triggered, this, [this, box] { paste(box); });
    }
    menu->popup(event->globalPos());
}

bool PasteGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isPasteKey(*static_cast<QKeyEvent*>(event))) {
            paste(box);
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        if (box->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        showMenu(box, static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        // The box pastes the selected text on the middle button's release where the system
        // keeps a selection apart from the clipboard.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection() && !box->isReadOnly()) {
            box->deselect();
            paste(box, QClipboard::Selection);
            return true;
        }
        return false;
    case QEvent::Drop:
        return drop(box, static_cast<QDropEvent*>(event));
    default:
        return false;
    }
}

} // namespace quillon
