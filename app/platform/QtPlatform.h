#pragma once

#include "app/platform/Platform.h"

namespace zodiora {

/// The real desktop: QMessageBox, QDesktopServices, QFileDialog,
/// QPrintDialog and QClipboard.
class QtPlatform final : public Platform {
public:
    Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons = Buttons::Ok) override;
    bool openUrl(const QUrl& url) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix) override;
    QString getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                            const QString& defaultSuffix, const QString& startPath) override;
    bool execPrintDialog(QWidget* parent, QPrinter& printer, bool selectionChosen) override;
    bool ownsClipboard() override;
    void clearClipboard() override;
};

}  // namespace zodiora
