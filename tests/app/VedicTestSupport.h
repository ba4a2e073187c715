#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QSettings>
#include <QStandardPaths>

#include "app/charts/ChartStyleInput.h"
#include "presentation/ChartSession.h"
#include "tests/app/AppTestSupport.h"

namespace zodiora::test {

/// Settings in the test area, emptied: every case starts from the defaults.
inline void FreshSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ZodioraTests"));
    QCoreApplication::setApplicationName(QStringLiteral("VedicTests"));
    QSettings().clear();
}

/// The 15 June 1980 chart as "Proceed" makes it, without the report.
inline ChartResult Delhi1980Chart(Ephemeris ephemeris = Ephemeris::Classic)
{
    ChartSession session;
    session.setEphemeris(ephemeris);
    return session.run(Delhi1980Form(), ChartSession::ReportMode::Skip);
}

/// "Today" for the Vedic pages, 1 March 2027: in the 1980 chart's Ketu
/// period (Nov 2022 - Nov 2029) and its Jupiter sub-period (Oct 2026 -
/// Sep 2027), worked by hand from the Moon at 28°01' Gemini: 6.38 years of
/// Jupiter left at birth, then Saturn 19 and Mercury 17 years.
inline const QDate VedicToday(2027, 3, 1);

/// The sign (0 = Aries) whose cell of a square chart lists `label`; -1 if none.
inline int SignHolding(const ChartStyleInput& input, const QString& label)
{
    for (int sign = 0; sign < 12; ++sign) {
        if (input.labels[static_cast<std::size_t>(sign)].contains(label)) return sign;
    }
    return -1;
}

}  // namespace zodiora::test
