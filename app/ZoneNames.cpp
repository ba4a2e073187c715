#include "app/ZoneNames.h"

#include "app/Language.h"
#include "app/QtText.h"
#include "birthdata/TimeZoneTable.h"

#include <QCoreApplication>

#include <array>

namespace zodiora {

namespace {

// Every name of the time-zone list, for the translator: the list keeps its
// English texts, which saved charts and the tool's output read.
constexpr std::array ZoneNames{
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Alaska/Hawaii Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Alaska/Hawaii Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Alaska/Hawaii War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Atlantic Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Atlantic War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Australian Central Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Australian Central Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Australian Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Australian Eastern Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Australian Western Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Australian Western Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Azores Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Baghdad Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Bering Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Brazil Zone 2"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "British Double Summer Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "British Summer Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "British War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Central Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Central European Daylight"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Central European Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Central Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Central War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "China Coast Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Eastern Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Eastern European Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Eastern European Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Eastern Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Eastern War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Greenwich Mean Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Guam Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Hawaiian Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Hawaiian Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Hawaiian War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Indian Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Int'l Date Line East"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Int'l Date Line West"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Iran Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Japan Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Java Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Middle European Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Middle European Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Moluccas Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Mountain Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Mountain Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Mountain War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "New Zealand Std Summer Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "New Zealand Std Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "New Zealand Summer Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "New Zealand Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Newfoundland Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Nome Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "North Sumatra Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Pacific Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Pacific Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Pacific War Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "South Australia Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "South Australia Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "South Sumatra Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Universal Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "USSR Zone 10"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "USSR Zone 3"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "USSR Zone 4"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "USSR Zone 5"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "USSR Zone 6"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "West Africa Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Yukon Daylight Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Yukon Standard Time"),
    QT_TRANSLATE_NOOP("zodiora::ZoneNames", "Yukon War Time"),
};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

QString ShownZoneName(std::string_view english)
{
    const std::string_view name = Trimmed(english);
    for (const char* known : ZoneNames) {
        if (name == known) return QCoreApplication::translate("zodiora::ZoneNames", known);
    }
    return ToQString(english);
}

QString ShownZoneRow(int row)
{
    if (row < 0 || row >= TimeZoneRowCount) return {};
    const std::string_view text = TimeZoneTable[static_cast<std::size_t>(row)].text;
    if (WindowNameStyle().language == vocabulary::Language::English) return ToQString(text);
    const std::size_t comma = text.find(',');
    return ShownZoneName(text.substr(0, comma)) + ToQString(text.substr(comma));
}

}  // namespace zodiora
