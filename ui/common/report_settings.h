// What the user chose for the report of effect sizes: whether it shows below the answer, the
// level of its intervals and whether small probabilities print with an exponent. One set serves
// every window, so that the report shows in the next window opened as it did in the last.
#pragma once

#include "calculations/report/report.h"

#include <QObject>

class QSettings;

namespace quillon {

class ReportSettings : public QObject {
    Q_OBJECT
public:
    static constexpr double kDefaultLevelPercent = 95.0;

    using QObject::QObject;

    bool shown() const { return shown_; }
    // The level as a percent, 50 to 99.99.
    double levelPercent() const { return levelPercent_; }
    bool exponent() const { return exponent_; }
    // What a calculation is asked for while the report shows.
    ReportOptions options() const;

    void setShown(bool shown);
    // A level outside 50 to 99.99, or not a number, is taken as the nearest one allowed (the
    // default for not a number).
    void setLevelPercent(double percent);
    void setExponent(bool exponent);

signals:
    void shownChanged(bool shown);
    // The level or the exponent changed: a report showing is formed again.
    void optionsChanged();

private:
    bool shown_ = false;
    double levelPercent_ = kDefaultLevelPercent;
    bool exponent_ = false;
};

// The one set the windows follow.
ReportSettings& reportSettings();

// Reads the choices from the store; a missing or unreadable value keeps the default.
void loadReportSettings(ReportSettings& settings, const QSettings& store);
void saveReportSettings(const ReportSettings& settings, QSettings& store);
// Reads the choices from the store and writes them back at each change. The store goes with
// the settings.
void rememberReportSettings(ReportSettings& settings, QSettings* store);

} // namespace quillon
