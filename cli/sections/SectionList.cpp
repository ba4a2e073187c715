#include <algorithm>
#include <array>

#include "cli/sections/Section.h"
#include "presentation/Utf8.h"

namespace zodiora::cli {

// Each section's file defines one of these.
extern const OutputSection VargasSection;
extern const OutputSection KpSection;
extern const OutputSection DignitySection;
extern const OutputSection AshtakavargaSection;
extern const OutputSection ShadbalaSection;
extern const OutputSection MarginsSection;
extern const OutputSection PanchangSection;
extern const OutputSection TransitSection;

std::span<const OutputSection* const> AllSections()
{
    // In the order their keys are written. A new section: its file in this
    // folder, its line above and here, and cli/CMakeLists.txt.
    static constexpr std::array<const OutputSection*, 7> Sections{
        &VargasSection,
        &KpSection,
        &DignitySection,
        &AshtakavargaSection,
        &ShadbalaSection,
        &MarginsSection,
        &PanchangSection,
    };
    return Sections;
}

const OutputSection& TransitsSection() { return TransitSection; }

namespace {

std::string SectionNames()
{
    std::string names;
    for (const OutputSection* section : AllSections()) {
        if (!names.empty()) names.append(", ");
        names.append(section->name);
    }
    return names;
}

}  // namespace

std::variant<SectionSelection, std::string> ParseSections(std::string_view list)
{
    std::vector<bool> chosen(AllSections().size(), false);
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string_view name = list.substr(start, comma == std::string_view::npos ? comma : comma - start);
        const auto sections = AllSections();
        const auto found = std::find_if(sections.begin(), sections.end(),
                                        [&](const OutputSection* section) { return section->name == name; });
        if (found == sections.end()) {
            return "--with '" + ValidUtf8(name) + "' is not a section (" + SectionNames() + ")";
        }
        chosen[static_cast<std::size_t>(found - sections.begin())] = true;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    SectionSelection selection;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        if (chosen[k]) selection.push_back(AllSections()[k]);
    }
    return selection;
}

std::optional<std::string> CsvRefusal(const SectionSelection& sections)
{
    for (const OutputSection* section : sections) {
        if (section->appendCsvHeader == nullptr) {
            return "the section '" + std::string(section->name) + "' has no CSV form";
        }
    }
    return std::nullopt;
}

}  // namespace zodiora::cli
