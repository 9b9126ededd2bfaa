// The panel below the answer that shows the report of effect sizes: the report's lines and its
// published line as read-only text that can be selected, "Copy line", the confidence level of the
// intervals and whether small probabilities print with an exponent. It only shows what the
// calculation wrote; the level and the exponent go to the settings it is given.
#pragma once

#include "calculations/report/report.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;

namespace quillon {

class ReportSettings;

class ReportPanel : public QWidget {
    Q_OBJECT
public:
    ReportPanel(ReportSettings& settings, QWidget* parent);

    // The report of the last answer, or nothing (no answer, or one without a report).
    void showReport(const std::optional<Report>& report);
    const std::string& publishedLine() const { return published_; }

    // Room at the sides, so that the panel lines up with what is above it.
    void setSideMargins(int left, int right);
    // The height the panel takes at the given width.
    int heightAt(int width) const;

    // Its controls in tab order.
    std::vector<QWidget*> controls() const;

signals:
    // "Copy line" was pressed.
    void copyRequested();

private:
    ReportSettings& settings_;
    QPlainTextEdit* text_ = nullptr;
    QDoubleSpinBox* level_ = nullptr;
    QCheckBox* exponent_ = nullptr;
    QPushButton* copy_ = nullptr;
    std::string published_;
};

} // namespace quillon
