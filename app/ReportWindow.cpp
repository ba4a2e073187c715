#include "ReportWindow.h"

namespace zodiora {

// Placeholder until the report window lands.
void ShowReportWindow(Platform&, const QString&, QWidget*) {}

}  // namespace zodiora
