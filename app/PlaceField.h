#pragma once

#include <QLineEdit>
#include <memory>
#include <vector>

#include "atlas/Place.h"

class QCompleter;
class QStringListModel;
class QThread;

namespace zodiora {

namespace atlas {
class Atlas;
}

/// A place box that completes from the offline atlas: "Berk" offers
/// "Berkeley, California, United States". The atlas is read on a worker
/// thread so the window shows at once; the box is enabled when it is in.
class PlaceField : public QLineEdit {
    Q_OBJECT
public:
    explicit PlaceField(QWidget* parent = nullptr);
    ~PlaceField() override;

    /// The atlas is in and the box completes.
    bool isReady() const;

signals:
    /// The atlas was read (or could not be: the box then stays disabled and
    /// its tooltip says why).
    void atlasLoaded();
    /// A place was picked from the completions. The place lives as long as
    /// this box does.
    void placeChosen(const zodiora::atlas::Place& place);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void takeAtlas(std::unique_ptr<atlas::Atlas> loaded, const QString& error);
    void offerMatches(const QString& text);
    void choose(int row);

    std::unique_ptr<atlas::Atlas> atlas_;
    QThread* loader_;
    bool loadAsked_ = false;
    QCompleter* completer_;
    QStringListModel* matchesModel_;
    std::vector<const atlas::Place*> matches_;
};

}  // namespace zodiora
