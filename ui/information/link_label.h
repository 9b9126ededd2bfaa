// A label that does something when clicked: the pointing hand over it, and, when it looks like a
// link, underlined link colour and a place in the tab order, where Space or Enter clicks it.
#pragma once

#include <QLabel>

namespace quillon {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    enum class Look {
        Link,  // an address: link colour, underlined, reachable by keyboard
        Plain, // a caption of a clickable group: only the pointing hand tells
    };

    LinkLabel(const QString& text, Look look, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quillon
