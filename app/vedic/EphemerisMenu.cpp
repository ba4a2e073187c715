#include "app/vedic/EphemerisMenu.h"

#include <QActionGroup>
#include <QMenuBar>

#include "app/vedic/VedicSettings.h"

namespace zodiora {

EphemerisMenu::EphemerisMenu(std::function<void(Ephemeris)> apply, QWidget* parent)
    : QMenu(tr("&Settings"), parent), apply_(std::move(apply))
{
    setObjectName(QStringLiteral("settingsMenu"));
    QMenu* choice = addMenu(tr("&Ephemeris"));
    choice->setObjectName(QStringLiteral("ephemerisMenu"));
    auto* group = new QActionGroup(this);
    classic_ = choice->addAction(tr("&Classic (mean orbital elements)"));
    classic_->setObjectName(QStringLiteral("classicEphemerisAction"));
    precise_ = choice->addAction(tr("&Precise (Swiss Ephemeris)"));
    precise_->setObjectName(QStringLiteral("preciseEphemerisAction"));
    for (QAction* action : {classic_, precise_}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    connect(classic_, &QAction::triggered, this, [this] { choose(Ephemeris::Classic); });
    connect(precise_, &QAction::triggered, this, [this] { choose(Ephemeris::Precise); });

    const Ephemeris remembered = VedicSettings::ephemeris();
    (remembered == Ephemeris::Precise ? precise_ : classic_)->setChecked(true);
    apply_(remembered);
}

EphemerisMenu* EphemerisMenu::AddTo(QMenuBar* bar, QMenu* before, std::function<void(Ephemeris)> apply)
{
    auto* menu = new EphemerisMenu(std::move(apply), bar);
    if (before != nullptr) {
        bar->insertMenu(before->menuAction(), menu);
    } else {
        bar->addMenu(menu);
    }
    return menu;
}

Ephemeris EphemerisMenu::ephemeris() const
{
    return precise_->isChecked() ? Ephemeris::Precise : Ephemeris::Classic;
}

void EphemerisMenu::choose(Ephemeris ephemeris)
{
    (ephemeris == Ephemeris::Precise ? precise_ : classic_)->setChecked(true);
    VedicSettings::setEphemeris(ephemeris);
    apply_(ephemeris);
}

}  // namespace zodiora
