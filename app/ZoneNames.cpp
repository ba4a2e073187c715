#include "app/ZoneNames.h"

#include "app/Language.h"
#include "app/QtText.h"
#include "birthdata/TimeZoneTable.h"
#include "vocabulary/ZoneNames.h"

namespace zodiora {

namespace {

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
    const std::string_view shown = vocabulary::ZoneName(WindowNameStyle().language, name);
    return ToQString(shown == name ? english : shown);
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
