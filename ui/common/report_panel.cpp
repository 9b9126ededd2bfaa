#include "ui/common/report_panel.h"

#include "ui/common/report_settings.h"
#include "ui/common/text_conversion.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace quillon {

namespace {

// Room for the longest report (six lines, a blank line and the published line) and a wrapped
// line; a longer one scrolls.
constexpr int kTextLines = 9;

// Enter sets the level and stays in the box; in a dialog it would otherwise press "Calculate".
class LevelBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QDoubleSpinBox::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            event->accept();
    }
};

} // namespace

ReportPanel::ReportPanel(ReportSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    setObjectName(QStringLiteral("ReportPanel"));
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("ReportRule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("ReportText"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setTabChangesFocus(true);
    text_->setAccessibleName(QStringLiteral("Report of effect sizes"));
    text_->setPlaceholderText(QStringLiteral("The report of the next answer shows here."));
    const int frame = 2 * text_->frameWidth();
    const auto margin = static_cast<int>(2 * text_->document()->documentMargin());
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * kTextLines + frame + margin);

    auto* levelCaption = new QLabel(QStringLiteral("Confidence level:"), this);
    levelCaption->setObjectName(QStringLiteral("ReportLevelCaption"));
    level_ = new LevelBox(this);
    level_->setObjectName(QStringLiteral("ReportLevel"));
    level_->setRange(kLowestReportLevel * 100.0, kHighestReportLevel * 100.0);
    level_->setDecimals(2);
    level_->setSuffix(QStringLiteral(" %"));
    level_->setKeyboardTracking(false);
    level_->setValue(settings.levelPercent());
    level_->setAccessibleName(QStringLiteral("Confidence level, percent"));
    levelCaption->setBuddy(level_);

    copy_ = new QPushButton(QStringLiteral("Copy line"), this);
    copy_->setObjectName(QStringLiteral("ReportCopy"));
    copy_->setToolTip(QStringLiteral("Puts the published line on the clipboard (Ctrl+Shift+C)"));
    copy_->setAutoDefault(false);
    copy_->setEnabled(false);

    exponent_ = new QCheckBox(QStringLiteral("Small probabilities with an exponent"), this);
    exponent_->setObjectName(QStringLiteral("ReportExponent"));
    exponent_->setChecked(settings.exponent());

    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(levelCaption);
    levelRow->addWidget(level_);
    levelRow->addStretch(1);
    levelRow->addWidget(copy_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(rule);
    column->addWidget(text_);
    column->addLayout(levelRow);
    column->addWidget(exponent_);

    connect(copy_, &QPushButton::clicked, this, &ReportPanel::copyRequested);
    connect(level_, &QDoubleSpinBox::valueChanged, &settings_, &ReportSettings::setLevelPercent);
    connect(exponent_, &QCheckBox::toggled, &settings_, &ReportSettings::setExponent);
    // Another window may change them too.
    connect(&settings_, &ReportSettings::optionsChanged, this, [this] {
        level_->setValue(settings_.levelPercent());
        exponent_->setChecked(settings_.exponent());
    });
}

void ReportPanel::showReport(const std::optional<Report>& report) {
    QStringList lines;
    published_.clear();
    if (report) {
        for (const std::string& line : report->lines)
            lines << toQString(line);
        published_ = report->published;
        if (!published_.empty())
            lines << QString() << toQString(published_);
    }
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    copy_->setEnabled(!published_.empty());
}

void ReportPanel::setSideMargins(int left, int right) {
    QMargins margins = layout()->contentsMargins();
    margins.setLeft(left);
    margins.setRight(right);
    layout()->setContentsMargins(margins);
}

int ReportPanel::heightAt(int width) const {
    return layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                         : layout()->totalSizeHint().height();
}

std::vector<QWidget*> ReportPanel::controls() const {
    // Row by row, as the eye reads them.
    return {text_, level_, copy_, exponent_};
}

} // namespace quillon
