#include "ReportWindow.h"

#include "FrmSave.h"

namespace zodiora {

void ShowReportWindow(Platform& platform, const QString& resultsText, QWidget* parent)
{
    // Built afresh for every opening, so the report is always the current one.
    FrmSave window(platform, resultsText, parent);
    window.exec();
}

}  // namespace zodiora
