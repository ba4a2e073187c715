#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace zodiora {

/// Remembers where the program's windows were and how big, across runs, in
/// the program's settings: watches every top-level window whose object name
/// is listed, restores its geometry when it is shown and stores it when it
/// is hidden. Installed on the application by main() only, so tests and
/// tools keep the windows' designed placement.
class GeometryKeeper : public QObject {
    Q_OBJECT
public:
    explicit GeometryKeeper(QStringList windowNames, QObject* parent = nullptr);

    /// Whether a geometry is remembered for the window named `windowName`.
    static bool remembers(const QString& windowName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList windowNames_;
};

}  // namespace zodiora
