// The figure of the last answer in a window: painted at the widget's size from its palette, or
// the reason there is none in words. Screen readers read its title as its name and its
// description in words as its description. It takes the focus by Tab, so that the keys and the
// menu key reach its copy and save entries.
#pragma once

#include "figures/figure.h"

#include <QWidget>

#include <optional>

namespace quillon {

class FigureView : public QWidget {
    Q_OBJECT
public:
    explicit FigureView(QWidget* parent);

    // The figure of an answer, or why there is none.
    void showFigure(const FigureOutcome& outcome);
    // No answer: a word of what will show here.
    void clearFigure();

    const std::optional<Figure>& figure() const { return figure_; }
    // What stands in place of a figure; empty while one shows.
    const QString& reason() const { return reason_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Figure> figure_;
    QString reason_;
};

} // namespace quillon
