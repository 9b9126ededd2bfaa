#include "ui/common/report_settings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

const QString kShownKey = QStringLiteral("report/shown");
const QString kLevelKey = QStringLiteral("report/level");
const QString kExponentKey = QStringLiteral("report/exponent");

constexpr double kLowestPercent = kLowestReportLevel * 100.0;
constexpr double kHighestPercent = kHighestReportLevel * 100.0;

} // namespace

ReportOptions ReportSettings::options() const {
    // 99.99 / 100 may land a hair above the highest level the report takes.
    return ReportOptions{
        .level = std::clamp(levelPercent_ / 100.0, kLowestReportLevel, kHighestReportLevel),
        .exponent = exponent_};
}

void ReportSettings::setShown(bool shown) {
    if (shown == shown_)
        return;
    shown_ = shown;
    emit shownChanged(shown);
}

void ReportSettings::setLevelPercent(double percent) {
    const double level = std::isnan(percent) ? kDefaultLevelPercent
                                             : std::clamp(percent, kLowestPercent, kHighestPercent);
    if (level == levelPercent_)
        return;
    levelPercent_ = level;
    emit optionsChanged();
}

void ReportSettings::setExponent(bool exponent) {
    if (exponent == exponent_)
        return;
    exponent_ = exponent;
    emit optionsChanged();
}

ReportSettings& reportSettings() {
    static ReportSettings settings;
    return settings;
}

void loadReportSettings(ReportSettings& settings, const QSettings& store) {
    const auto readBool = [&store](const QString& key, bool fallback) {
        const QVariant value = store.value(key);
        if (!value.isValid())
            return fallback;
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return false;
        return fallback;
    };
    settings.setShown(readBool(kShownKey, settings.shown()));
    settings.setExponent(readBool(kExponentKey, settings.exponent()));
    bool read = false;
    const double level = store.value(kLevelKey).toDouble(&read);
    if (read && std::isfinite(level))
        settings.setLevelPercent(level);
}

void saveReportSettings(const ReportSettings& settings, QSettings& store) {
    store.setValue(kShownKey, settings.shown());
    store.setValue(kLevelKey, settings.levelPercent());
    store.setValue(kExponentKey, settings.exponent());
}

void rememberReportSettings(ReportSettings& settings, QSettings* store) {
    store->setParent(&settings);
    loadReportSettings(settings, *store);
    // The report's choices are the one thing the program keeps between runs: a user who reads
    // effect sizes wants them in every session without asking again. Nothing else is saved.
    const auto save = [&settings, store] {
        saveReportSettings(settings, *store);
        store->sync();
    };
    QObject::connect(&settings, &ReportSettings::shownChanged, store, save);
    QObject::connect(&settings, &ReportSettings::optionsChanged, store, save);
}

} // namespace quillon
