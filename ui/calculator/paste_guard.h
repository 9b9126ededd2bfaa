// Every way text reaches a box other than by typing, brought to one checked insertion: the paste
// keys (Ctrl+V, Shift+Insert and the platform's own), the Paste of the box's context menu, the
// middle button's paste of the selected text, and a drop. The incoming text is trimmed of
// blanks, tabs and line breaks at both ends; a box that refuses the text it would then hold
// takes nothing, beeps and says why through pasteRefused.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QContextMenuEvent;
class QDropEvent;
class QMenu;

namespace quillon {

class PasteGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Pastes the clipboard (or the selected text) at the box's caret, over its selection, as the
    // box's own paste does but checked, and as one step for Ctrl+Z. A clipboard without text
    // (blanks and line breaks only included) leaves the box as it is.
    void paste(QLineEdit* box, QClipboard::Mode mode = QClipboard::Clipboard);

signals:
    // A paste or drop the box refused: nothing was inserted and the beep has sounded. The
    // reason, in a sentence, names the pasted text; it belongs beside the box.
    void pasteRefused(QLineEdit* box, const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Why the box refuses the text a paste would leave it with (`pasted` already trimmed), or
    // nothing when it takes it. Here every text is taken.
    virtual std::optional<QString> refusal(const QString& pasted, const QString& result) const;

private:
    // Inserts the trimmed text over the given span, unless the box refuses it.
    void insertChecked(QLineEdit* box, qsizetype at, qsizetype replaced, const QString& incoming);
    bool drop(QLineEdit* box, QDropEvent* event);
    void showMenu(QLineEdit* box, const QContextMenuEvent* event);
};

// The Paste entry of a line edit's standard context menu, or nullptr. The standard menu names
// its entries by their (translated) captions only.
QAction* standardPasteAction(const QMenu& menu);

} // namespace quillon
