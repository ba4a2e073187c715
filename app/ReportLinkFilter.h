#pragma once

#include <QObject>

class QTextEdit;

namespace zodiora {

class Platform;

/// Sits in front of the report box's viewport: a left-button press on a
/// link opens its address. It never consumes an event, so the box handles
/// the press as an ordinary click.
class ReportLinkFilter final : public QObject {
public:
    ReportLinkFilter(QTextEdit* box, Platform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* box_;
    Platform& platform_;
};

}  // namespace zodiora
