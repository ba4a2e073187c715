#pragma once

#include <QString>

class QWidget;

namespace zodiora {

class Platform;

/// Shows the report window modally over `parent`, its report built from
/// `resultsText`, the plain text of the results form's report box.
void ShowReportWindow(Platform& platform, const QString& resultsText, QWidget* parent);

}  // namespace zodiora
