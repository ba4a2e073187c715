#include "app/vedic/CalculationMenu.h"

#include <QActionGroup>
#include <QMenuBar>

#include "app/vedic/VedicSettings.h"

namespace zodiora {

CalculationMenu::CalculationMenu(std::function<void(const CalculationSettings&)> apply, QWidget* parent)
    : QMenu(tr("&Settings"), parent), apply_(std::move(apply))
{
    setObjectName(QStringLiteral("settingsMenu"));
    addChoices<Ephemeris>(tr("&Ephemeris"), "ephemerisMenu", &CalculationSettings::ephemeris,
                          {{Ephemeris::Classic, "classicEphemerisAction", tr("&Classic (mean orbital elements)")},
                           {Ephemeris::Precise, "preciseEphemerisAction", tr("&Precise (Swiss Ephemeris)")}});
    addChoices<AyanamsaKind>(tr("&Ayanamsa"), "ayanamsaMenu", &CalculationSettings::ayanamsa,
                             {{AyanamsaKind::Lahiri, "lahiriAyanamsaAction", tr("&Lahiri")},
                              {AyanamsaKind::Raman, "ramanAyanamsaAction", tr("&Raman")},
                              {AyanamsaKind::Krishnamurti, "krishnamurtiAyanamsaAction", tr("&Krishnamurti (KP)")},
                              {AyanamsaKind::FaganBradley, "faganBradleyAyanamsaAction", tr("&Fagan-Bradley")},
                              {AyanamsaKind::TrueChitra, "trueChitraAyanamsaAction", tr("&True Chitra")},
                              {AyanamsaKind::Yukteshwar, "yukteshwarAyanamsaAction", tr("&Yukteshwar")}});
    addChoices<NodeKind>(tr("&Node"), "nodeMenu", &CalculationSettings::node,
                         {{NodeKind::Mean, "meanNodeAction", tr("&Mean node")},
                          {NodeKind::True, "trueNodeAction", tr("&True node")}});
    addChoices<DashaYear>(tr("&Dasha year"), "dashaYearMenu", &CalculationSettings::dashaYear,
                          {{DashaYear::Julian, "julianDashaYearAction", tr("&Julian (365.25 days)")},
                           {DashaYear::Gregorian, "gregorianDashaYearAction", tr("&Gregorian (365.2425 days)")},
                           {DashaYear::Sidereal, "siderealDashaYearAction", tr("&Sidereal (365.256363 days)")},
                           {DashaYear::Savana, "savanaDashaYearAction", tr("Sa&vana (360 days)")}});
    addChoices<AshtakavargaTable>(
        tr("Ashta&kavarga table"), "ashtakavargaMenu", &CalculationSettings::ashtakavarga,
        {{AshtakavargaTable::NarasimhaRao, "raoAshtakavargaAction", tr("&P.V.R. Narasimha Rao")},
         {AshtakavargaTable::Raman, "ramanAshtakavargaAction", tr("B.V. &Raman")}});
    showSettings(VedicSettings::calculationSettings());
}

template <typename Value>
void CalculationMenu::addChoices(const QString& title, const char* objectName, Value CalculationSettings::*member,
                                 const std::vector<Entry<Value>>& entries)
{
    QMenu* menu = addMenu(title);
    menu->setObjectName(QLatin1String(objectName));
    auto* group = new QActionGroup(this);
    for (const Entry<Value>& entry : entries) {
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.objectName));
        action->setCheckable(true);
        group->addAction(action);
        const Value value = entry.value;
        connect(action, &QAction::triggered, this, [this, member, value] {
            CalculationSettings chosen = settings_;
            chosen.*member = value;
            choose(chosen);
        });
        marks_.push_back([this, action, member, value] { action->setChecked(settings_.*member == value); });
    }
}

CalculationMenu* CalculationMenu::AddTo(QMenuBar* bar, QMenu* before,
                                        std::function<void(const CalculationSettings&)> apply)
{
    auto* menu = new CalculationMenu(std::move(apply), bar);
    if (before != nullptr) {
        bar->insertMenu(before->menuAction(), menu);
    } else {
        bar->addMenu(menu);
    }
    return menu;
}

void CalculationMenu::choose(const CalculationSettings& settings)
{
    VedicSettings::setCalculationSettings(settings);
    showSettings(settings);
}

void CalculationMenu::chooseEphemeris(Ephemeris ephemeris)
{
    CalculationSettings chosen = settings_;
    chosen.ephemeris = ephemeris;
    choose(chosen);
}

void CalculationMenu::showSettings(const CalculationSettings& settings)
{
    settings_ = settings;
    mark();
    apply_(settings_);
}

void CalculationMenu::mark()
{
    for (const auto& check : marks_) check();
}

}  // namespace zodiora
