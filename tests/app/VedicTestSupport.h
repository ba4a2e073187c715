#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

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

}  // namespace zodiora::test
