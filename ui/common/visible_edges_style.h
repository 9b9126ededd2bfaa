// The program's look: the platform's own style, with the edges of boxes, grid cells, check boxes
// and option buttons drawn in colours derived from the palette (ui/common/colour_contrast.h), so
// that they stand out in a light, a dark or a high-contrast colour scheme alike. It draws only:
// no size, margin or position differs from the style underneath.
#pragma once

#include <QProxyStyle>

namespace quillon {

class VisibleEdgesStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of the style underneath; nullptr means the platform's default style.
    explicit VisibleEdgesStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Puts VisibleEdgesStyle over the application's present style (the platform's, or the one
// chosen with -style); once is enough, and a second call changes nothing.
void useVisibleEdgesStyle();

} // namespace quillon
