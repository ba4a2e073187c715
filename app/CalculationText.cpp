#include "app/CalculationText.h"

#include "app/Language.h"
#include "app/QtText.h"

namespace zodiora {

CalculationWords WindowCalculationWords()
{
    const vocabulary::Language language = WindowNameStyle().language;
    if (language == vocabulary::Language::English) return {};
    return CalculationWordsIn(language);
}

QString ShownAyanamsaTitle(AyanamsaKind ayanamsa)
{
    const CalculationWords words = WindowCalculationWords();
    for (std::size_t i = 0; i < AyanamsaChoices.size(); ++i) {
        if (AyanamsaChoices[i].value == ayanamsa && !words.ayanamsaTitles[i].empty()) {
            return ToQString(words.ayanamsaTitles[i]);
        }
    }
    return ToQString(TitleOf(ayanamsa));
}

QString ShownCalculationLine(const Chart& chart, const ClockReading& clock)
{
    return ToQString(CalculationLine(chart, clock, WindowCalculationWords()));
}

}  // namespace zodiora
