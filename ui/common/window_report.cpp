#include "ui/common/window_report.h"

#include "ui/common/alerts.h"
#include "ui/common/figure_file.h"
#include "ui/common/figure_view.h"
#include "ui/common/outcome_effects.h"
#include "ui/common/report_panel.h"
#include "ui/common/report_settings.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace quillon {

namespace {

// The figure's height follows the window's width within readable bounds; room above and below
// it keeps it off the report and the window's edge.
constexpr double kFigureAspect = 0.62;
constexpr int kLowestFigure = 220;
constexpr int kHighestFigure = 320;
constexpr int kFigureGap = 8;
// A figure copied or saved before it was ever shown takes this size.
constexpr QSize kFileSize(640, 400);

QString toggleText(Offered offered) {
    if (offered.report && offered.figure)
        return QStringLiteral("Report and figure");
    if (offered.figure)
        return QStringLiteral("Figure");
    return QStringLiteral("Report of effect sizes");
}

} // namespace

WindowReport::WindowReport(QDialog* window, QWidget* lastControl, const QWidget* answer,
                           ReportSettings& settings, Offered offered)
    : QObject(window), window_(window), lastControl_(lastControl), answer_(answer),
      settings_(settings), offered_(offered), builtSize_(window->size()) {
    toggle_ = new QAction(toggleText(offered), window);
    toggle_->setObjectName(QStringLiteral("ReportToggle"));
    toggle_->setCheckable(true);
    toggle_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    toggle_->setShortcutContext(Qt::WindowShortcut);
    window->addAction(toggle_);
    copy_ = new QAction(QStringLiteral("Copy report line"), window);
    copy_->setObjectName(QStringLiteral("ReportCopyLine"));
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy_->setShortcutContext(Qt::WindowShortcut);
    if (offered_.report)
        window->addAction(copy_);
    copyFigure_ = new QAction(QStringLiteral("Copy figure"), window);
    copyFigure_->setObjectName(QStringLiteral("FigureCopy"));
    copyFigure_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    copyFigure_->setShortcutContext(Qt::WindowShortcut);
    saveFigure_ = new QAction(QStringLiteral("Save figure as..."), window);
    saveFigure_->setObjectName(QStringLiteral("FigureSave"));
    if (offered_.figure) {
        window->addAction(copyFigure_);
        window->addAction(saveFigure_);
    }

    connect(toggle_, &QAction::toggled, &settings_, &ReportSettings::setShown);
    connect(copy_, &QAction::triggered, this, &WindowReport::copyLine);
    connect(copyFigure_, &QAction::triggered, this, &WindowReport::copyFigureImage);
    connect(saveFigure_, &QAction::triggered, this, &WindowReport::askAndSaveFigure);
    connect(&settings_, &ReportSettings::shownChanged, this, &WindowReport::setShown);
    connect(&settings_, &ReportSettings::optionsChanged, this, &WindowReport::reform);
    setShown(settings_.shown());
}

std::optional<ReportOptions> WindowReport::options() const {
    if (!settings_.shown() || !offered_.report)
        return std::nullopt;
    return settings_.options();
}

bool WindowReport::figureShown() const {
    return offered_.figure && settings_.shown();
}

void WindowReport::answered(ReportedEvaluation evaluation, const std::optional<Report>& report,
                            FigureOfEvaluation figureOf,
                            const std::optional<FigureOutcome>& figure) {
    last_ = std::move(evaluation);
    figureOf_ = std::move(figureOf);
    if (panel_ != nullptr && settings_.shown())
        panel_->showReport(report);
    else if (panel_ != nullptr)
        panel_->showReport(std::nullopt); // formed afresh when shown again
    if (figure_ != nullptr) {
        if (settings_.shown() && figure)
            figure_->showFigure(*figure);
        else if (settings_.shown() && figureOf_ && last_)
            figure_->showFigure(figureOf_(last_(options())));
        else
            figure_->clearFigure(); // drawn afresh when shown again
    }
    updateCopyAction();
}

void WindowReport::clear() {
    last_ = nullptr;
    figureOf_ = nullptr;
    if (panel_ != nullptr)
        panel_->showReport(std::nullopt);
    if (figure_ != nullptr)
        figure_->clearFigure();
    updateCopyAction();
}

void WindowReport::addMenuEntries(QMenu& menu) const {
    if (menu.actions().contains(toggle_))
        return;
    menu.addSeparator();
    menu.addAction(toggle_);
    if (offered_.report)
        menu.addAction(copy_);
    if (offered_.figure) {
        menu.addAction(copyFigure_);
        menu.addAction(saveFigure_);
    }
}

bool WindowReport::contains(const QWidget* widget) const {
    return widget != nullptr &&
           ((panel_ != nullptr && (panel_ == widget || panel_->isAncestorOf(widget))) ||
            (figure_ != nullptr && figure_ == widget));
}

void WindowReport::build() {
    QWidget* previous = lastControl_;
    if (offered_.report) {
        panel_ = new ReportPanel(settings_, window_);
        panel_->hide();
        connect(panel_, &ReportPanel::copyRequested, this, &WindowReport::copyLine);
        if (answer_ != nullptr) {
            panel_->setSideMargins(answer_->x(),
                                   builtSize_.width() - answer_->x() - answer_->width());
        }
        for (QWidget* next : panel_->controls()) {
            QWidget::setTabOrder(previous, next);
            previous = next;
        }
    }
    if (offered_.figure) {
        figure_ = new FigureView(window_);
        figure_->hide();
        QWidget::setTabOrder(previous, figure_);
    }
}

void WindowReport::setShown(bool shown) {
    toggle_->setChecked(shown);
    if (shown && panel_ == nullptr && figure_ == nullptr)
        build();
    if (panel_ == nullptr && figure_ == nullptr)
        return;
    if (shown) {
        int bottom = builtSize_.height();
        if (panel_ != nullptr) {
            const int height = panel_->heightAt(builtSize_.width());
            panel_->setGeometry(0, bottom, builtSize_.width(), height);
            panel_->show();
            bottom += height;
        }
        if (figure_ != nullptr) {
            const int left = answer_ != nullptr ? answer_->x() : kFigureGap;
            const int width = std::max(1, builtSize_.width() - 2 * left);
            const int height =
                std::clamp(static_cast<int>(width * kFigureAspect), kLowestFigure, kHighestFigure);
            figure_->setGeometry(left, bottom + (panel_ == nullptr ? kFigureGap : 0), width,
                                 height);
            figure_->show();
            bottom = figure_->geometry().bottom() + 1 + kFigureGap;
        }
        window_->setFixedSize(builtSize_.width(), bottom);
        reform();
    } else {
        if (panel_ != nullptr)
            panel_->hide();
        if (figure_ != nullptr)
            figure_->hide();
        window_->setFixedSize(builtSize_);
    }
    updateCopyAction();
}

void WindowReport::reform() {
    if ((panel_ == nullptr && figure_ == nullptr) || !settings_.shown())
        return;
    if (!last_) {
        if (panel_ != nullptr)
            panel_->showReport(std::nullopt);
        if (figure_ != nullptr)
            figure_->clearFigure();
    } else {
        // The values answered before; the answer and the clipboard stay as they are.
        const Evaluation again = last_(options());
        const bool answered = again.kind == Evaluation::Kind::Answered;
        if (panel_ != nullptr)
            panel_->showReport(answered ? again.report : std::nullopt);
        if (figure_ != nullptr) {
            if (figureOf_)
                figure_->showFigure(figureOf_(again));
            else
                figure_->clearFigure();
        }
    }
    updateCopyAction();
}

void WindowReport::copyLine() {
    if (panel_ == nullptr || !settings_.shown() || panel_->publishedLine().empty())
        return;
    replaceClipboardText(panel_->publishedLine());
    emit copied(panel_->publishedLine());
}

void WindowReport::copyFigureImage() {
    if (figure_ == nullptr || !settings_.shown() || !figure_->figure())
        return;
    quillon::copyFigureImage(*figure_->figure(), figure_->size(),
                             figurePalette(figure_->palette()));
}

bool WindowReport::saveFigureTo(const QString& path) const {
    if (figure_ == nullptr || !figure_->figure())
        return false;
    const QSize size = figure_->isVisible() ? figure_->size() : kFileSize;
    return saveFigure(*figure_->figure(), path, size, figurePalette(figure_->palette()));
}

void WindowReport::askAndSaveFigure() {
    if (figure_ == nullptr || !settings_.shown() || !figure_->figure())
        return;
    const QString png = QStringLiteral("PNG image (*.png)");
    const QString svg = QStringLiteral("SVG image (*.svg)");
    QString filter = png;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString path = QFileDialog::getSaveFileName(window_, QStringLiteral("Save figure as"),
                                                QDir(folder).filePath(QStringLiteral("figure.png")),
                                                png + QStringLiteral(";;") + svg, &filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!saveFigureTo(path)) {
        alerts().showError(window_, QStringLiteral("The figure could not be written to %1.")
                                        .arg(QDir::toNativeSeparators(path)));
    }
}

void WindowReport::updateCopyAction() {
    copy_->setEnabled(panel_ != nullptr && settings_.shown() && !panel_->publishedLine().empty());
    const bool figure = figure_ != nullptr && settings_.shown() && figure_->figure().has_value();
    copyFigure_->setEnabled(figure);
    saveFigure_->setEnabled(figure);
}

} // namespace quillon
