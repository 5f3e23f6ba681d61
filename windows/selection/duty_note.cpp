#include "duty_note.h"

#include <QCoreApplication>
#include <QStringList>

#include "catalogue.h"
#include "charge_nearest.h"
#include "display_numbers.h"
#include "duty_search.h"
#include "gases.h"
#include "units.h"

namespace zorvik {
namespace {

// More names than this would not fit the line; the rest are counted.
constexpr qsizetype kNamesShown = 4;

class DutyNote {
    Q_DECLARE_TR_FUNCTIONS(DutyNote)
};

QString NameOf(int model) { return QString::fromStdString(CatalogueRow(model).DisplayName()).simplified(); }

// Drive air in the window's units: scfm, or n.m3/min = scfm x 28.316847 / 1000.
QString AirText(double scfm, bool metric) {
    if (metric) return QStringLiteral("%L1").arg(scfm * units::LitresPerCubicFoot / 1000, 0, 'f', 2);
    return QStringLiteral("%L1").arg(scfm, 0, 'f', 1);
}

// "RBW-5 (29 % speed, 0.71 of 0.80 n.m3/min)"; without the air available
// when it is ignored.
QString Throttled(const DutyMatch& m, const FlowDuty& duty, bool metric) {
    const QString unit = metric ? QStringLiteral("n.m3/min") : QStringLiteral("scfm");
    const QString speed = QStringLiteral("%L1").arg(m.point.dutySpeedPercent, 0, 'f', 0);
    const QString air = AirText(m.point.unitsDriveAirScfm, metric);
    if (duty.ignoreAirAvailable) return DutyNote::tr("%1 (%2 % speed, %3 %4)").arg(NameOf(m.Model()), speed, air, unit);
    return DutyNote::tr("%1 (%2 % speed, %3 of %4 %5)")
        .arg(NameOf(m.Model()), speed, air, AirText(duty.airAvailableScfm, metric), unit);
}

QString ThrottledList(const std::vector<DutyMatch>& throttled, const FlowDuty& duty, bool metric) {
    QStringList names;
    for (const DutyMatch& m : throttled) {
        if (names.size() == kNamesShown) break;
        names << Throttled(m, duty, metric);
    }
    const qsizetype rest = static_cast<qsizetype>(throttled.size()) - names.size();
    if (rest > 0) names << DutyNote::tr("%n more", nullptr, static_cast<int>(rest));
    return names.join(QStringLiteral(", "));
}

QString Nearest(int model, const Text& reason) {
    return DutyNote::tr("No selections. Nearest model, %1: %2.").arg(NameOf(model), DesktopText(reason));
}

QString FlowNote(const SelectionResult& run) {
    const FlowDuty& duty = run.flowDuty;
    std::vector<DutyMatch> throttled;
    for (DutyMatch& m : ModelsMeetingDuty(duty))
        if (!m.Listed()) throttled.push_back(std::move(m));
    if (!throttled.empty()) {
        const QString list = ThrottledList(throttled, duty, run.metric);
        if (run.rows.empty())
            return DutyNote::tr(
                       "No selections at full output on the air available; throttled to the flow asked "
                       "for, these meet the duty: %1.")
                .arg(list);
        return DutyNote::tr(
                   "Also meet the duty throttled (the list runs each model flat out on the air available): %1.")
            .arg(list);
    }
    if (!run.rows.empty()) return {};
    const std::optional<NearestModel> nearest = NearestModelToDuty(duty, run.metric);
    return nearest ? Nearest(nearest->match.Model(), nearest->text) : QString();
}

// "85 °C", or "185 °F" in imperial units.
QString TemperatureText(double celsius, bool metric) {
    return metric ? QStringLiteral("%L1 \u00B0C").arg(celsius, 0, 'f', 0)
                  : QStringLiteral("%L1 \u00B0F").arg(units::FahrenheitOf(celsius), 0, 'f', 0);
}

// The rows marked for a discharge above the limit, with how hot they get.
QString OverLimitNote(const SelectionResult& run) {
    QStringList names;
    int over = 0;
    for (const SelectionRow& row : run.rows) {
        if (!row.overTemperatureLimit || ++over > kNamesShown) continue;
        names << QStringLiteral("%1 (%2)").arg(NameOf(row.pumpNo),
                                               TemperatureText(row.discharge->Highest(), run.metric));
    }
    if (over == 0) return {};
    if (over > kNamesShown) names << DutyNote::tr("%n more", nullptr, over - static_cast<int>(kNamesShown));
    return DutyNote::tr("* Discharge can pass the %1 limit: %2.")
        .arg(TemperatureText(*run.temperatureLimitCelsius, run.metric), names.join(QStringLiteral(", ")));
}

Gas GasOf(const SelectionResult& run) { return run.IsFill() ? run.chargeDuty.gas : run.flowDuty.gas; }

QString SafetyNoteOf(Gas gas) {
    const std::string_view note = SafetyNote(gas);
    return note.empty() ? QString() : QCoreApplication::translate("Gases", note.data());
}

QString FillNote(const SelectionResult& run) {
    if (!run.rows.empty()) return {};
    const std::optional<NearestCharge> nearest = NearestModelToCharge(run.chargeDuty, run.metric);
    return nearest ? Nearest(nearest->candidate.pumpNo, nearest->text) : QString();
}

}  // namespace

QString DutyNoteText(const SelectionResult& run) {
    if (!run.Completed()) return {};
    // What the gas calls for comes first: it holds whatever the figures say.
    QStringList parts = {SafetyNoteOf(GasOf(run)), run.IsFill() ? FillNote(run) : FlowNote(run), OverLimitNote(run)};
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

}  // namespace zorvik
