#include "app/PlaceField.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>
#include <QThread>
#include <QTimer>

#include "atlas/Atlas.h"
#include "atlas/AtlasLocation.h"

namespace zodiora {

namespace {

// More than a popup shows without scrolling would only slow typing.
constexpr std::size_t MatchLimit = 12;

}  // namespace

PlaceField::PlaceField(QWidget* parent)
    : QLineEdit(parent),
      completer_(new QCompleter(this)),
      matchesModel_(new QStringListModel(this))
{
    setObjectName(QStringLiteral("placeEdit"));
    setAccessibleName(tr("Find place"));
    setPlaceholderText(tr("Loading places…"));
    setEnabled(false);

    // The atlas has already matched and ranked; the popup shows its list as is.
    completer_->setModel(matchesModel_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(static_cast<int>(MatchLimit));
    completer_->setWidget(this);
    connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index.row()); });
    connect(this, &QLineEdit::textEdited, this, &PlaceField::offerMatches);

    // The thread hands its result over in the finished signal, which runs here.
    auto loaded = std::make_shared<std::unique_ptr<atlas::Atlas>>();
    auto error = std::make_shared<std::string>();
    loader_ = QThread::create([loaded, error] {
        const std::optional<std::string> path = atlas::DefaultAtlasPath();
        if (!path) {
            *error = "the atlas file was not found beside the program or in its data folder";
            return;
        }
        if (std::optional<atlas::Atlas> read = atlas::Atlas::Load(*path, error.get()))
            *loaded = std::make_unique<atlas::Atlas>(std::move(*read));
    });
    connect(loader_, &QThread::finished, this, [this, loaded, error] {
        takeAtlas(std::move(*loaded), QString::fromStdString(*error));
    });
}

// The atlas is read once the box is on screen: the first window shows
// sooner, and smaller, without it, and the box says it is loading meanwhile.
void PlaceField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!loadAsked_) {
        loadAsked_ = true;
        QTimer::singleShot(0, loader_, [loader = loader_] { loader->start(); });
    }
}

PlaceField::~PlaceField()
{
    loader_->wait();
    delete loader_;
}

bool PlaceField::isReady() const
{
    return atlas_ != nullptr;
}

void PlaceField::takeAtlas(std::unique_ptr<atlas::Atlas> loaded, const QString& error)
{
    atlas_ = std::move(loaded);
    if (atlas_) {
        setEnabled(true);
        setPlaceholderText(tr("Type a place, then pick it from the list"));
    } else {
        setPlaceholderText(tr("No atlas of places"));
        setToolTip(error);
    }
    emit atlasLoaded();
}

void PlaceField::offerMatches(const QString& text)
{
    if (!atlas_)
        return;
    matches_ = atlas_->search(text.toStdString(), MatchLimit);
    QStringList labels;
    for (const atlas::Place* place : matches_)
        labels << QString::fromStdString(atlas_->label(*place));
    matchesModel_->setStringList(labels);
    if (labels.isEmpty()) {
        completer_->popup()->hide();
    } else {
        completer_->complete();
    }
}

void PlaceField::choose(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= matches_.size())
        return;
    const atlas::Place& place = *matches_[static_cast<std::size_t>(row)];
    setText(QString::fromStdString(atlas_->label(place)));
    emit placeChosen(place);
}

}  // namespace zodiora
