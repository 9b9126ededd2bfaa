// The report of effect sizes and the figure in one calculation window whose calculation has
// either: the key (Ctrl+R) and the menu entry that show and hide them together, the report's
// panel and the figure below the answer that the window grows by while they show, and the values
// of the last answer, kept to form their report and figure again when asked for later or at
// another level. The window is left exactly as it was built until they are first shown.
#pragma once

#include "calculations/evaluation.h"
#include "figures/figure.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace quillon {

class FigureView;
class ReportPanel;
class ReportSettings;

// An evaluation of the values of one Calculate, with or without a report.
using ReportedEvaluation = std::function<Evaluation(std::optional<ReportOptions>)>;
// The figure of an evaluation of those values.
using FigureOfEvaluation = std::function<FigureOutcome(const Evaluation&)>;

// What a window offers below its answer.
struct Offered {
    bool report = false;
    bool figure = false;
};

class WindowReport : public QObject {
    Q_OBJECT
public:
    // `lastControl` is the last of the window's own controls in tab order; the panel's follow it.
    // The panel lines up with the sides of `answer`.
    WindowReport(QDialog* window, QWidget* lastControl, const QWidget* answer,
                 ReportSettings& settings, Offered offered = {true, false});

    // The options to evaluate with: the settings' while the report shows, else none.
    std::optional<ReportOptions> options() const;
    // Whether a figure is to be drawn for the next answer.
    bool figureShown() const;
    // An answer came from this evaluation: its report and figure show, and the evaluation is
    // kept with the way to draw its figure.
    void answered(ReportedEvaluation evaluation, const std::optional<Report>& report,
                  FigureOfEvaluation figureOf = nullptr,
                  const std::optional<FigureOutcome>& figure = std::nullopt);
    // The answer went (Clear, or a refusal that empties it): so do the report and the figure.
    void clear();

    // The show-and-hide, copy and save entries, after a separator, unless the menu has them
    // already.
    void addMenuEntries(QMenu& menu) const;
    QAction* toggleAction() const { return toggle_; }
    QAction* copyAction() const { return copy_; }
    QAction* copyFigureAction() const { return copyFigure_; }
    QAction* saveFigureAction() const { return saveFigure_; }
    ReportPanel* panel() const { return panel_; }
    FigureView* figureView() const { return figure_; }
    // Whether a widget is part of what shows below the answer.
    bool contains(const QWidget* widget) const;
    // The figure into a file, PNG or SVG by its name; false when it cannot be written.
    bool saveFigureTo(const QString& path) const;

signals:
    // The published line went onto the clipboard.
    void copied(const std::string& line);

private:
    void setShown(bool shown);
    void reform();
    void copyLine();
    void updateCopyAction();
    void build();
    void copyFigureImage();
    void askAndSaveFigure();

    QDialog* window_;
    QWidget* lastControl_;
    const QWidget* answer_;
    ReportSettings& settings_;
    QAction* toggle_ = nullptr;
    QAction* copy_ = nullptr;
    Offered offered_;
    QAction* copyFigure_ = nullptr;
    QAction* saveFigure_ = nullptr;
    ReportPanel* panel_ = nullptr; // made when first shown
    FigureView* figure_ = nullptr; // made when first shown
    QSize builtSize_;
    ReportedEvaluation last_;
    FigureOfEvaluation figureOf_;
};

} // namespace quillon
