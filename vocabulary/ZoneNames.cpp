#include "vocabulary/ZoneNames.h"

#include <array>
#include <utility>

namespace zodiora::vocabulary {

namespace {

// English and Hindi, every name of the time-zone list. Hindi words: मानक
// (standard), ग्रीष्मकालीन (daylight, summer), युद्धकालीन (war time).
constexpr std::array<std::pair<std::string_view, std::string_view>, 69> HindiZoneNames{{
    {"Alaska/Hawaii Daylight Time", "अलास्का/हवाई ग्रीष्मकालीन समय"},
    {"Alaska/Hawaii Standard Time", "अलास्का/हवाई मानक समय"},
    {"Alaska/Hawaii War Time", "अलास्का/हवाई युद्धकालीन समय"},
    {"Atlantic Standard Time", "अटलांटिक मानक समय"},
    {"Atlantic War Time", "अटलांटिक युद्धकालीन समय"},
    {"Australian Central Daylight Time", "ऑस्ट्रेलियाई मध्य ग्रीष्मकालीन समय"},
    {"Australian Central Standard Time", "ऑस्ट्रेलियाई मध्य मानक समय"},
    {"Australian Eastern Daylight Time", "ऑस्ट्रेलियाई पूर्वी ग्रीष्मकालीन समय"},
    {"Australian Eastern Standard Time", "ऑस्ट्रेलियाई पूर्वी मानक समय"},
    {"Australian Western Daylight Time", "ऑस्ट्रेलियाई पश्चिमी ग्रीष्मकालीन समय"},
    {"Australian Western Standard Time", "ऑस्ट्रेलियाई पश्चिमी मानक समय"},
    {"Azores Time", "अज़ोर्स समय"},
    {"Baghdad Time", "बग़दाद समय"},
    {"Bering Standard Time", "बेरिंग मानक समय"},
    {"Brazil Zone 2", "ब्राज़ील क्षेत्र 2"},
    {"British Double Summer Time", "ब्रिटिश दोहरा ग्रीष्मकालीन समय"},
    {"British Summer Time", "ब्रिटिश ग्रीष्मकालीन समय"},
    {"British War Time", "ब्रिटिश युद्धकालीन समय"},
    {"Central Daylight Time", "मध्य ग्रीष्मकालीन समय"},
    {"Central European Daylight", "मध्य यूरोपीय ग्रीष्मकालीन"},
    {"Central European Time", "मध्य यूरोपीय समय"},
    {"Central Standard Time", "मध्य मानक समय"},
    {"Central War Time", "मध्य युद्धकालीन समय"},
    {"China Coast Time", "चीन तटीय समय"},
    {"Eastern Daylight Time", "पूर्वी ग्रीष्मकालीन समय"},
    {"Eastern European Daylight Time", "पूर्वी यूरोपीय ग्रीष्मकालीन समय"},
    {"Eastern European Time", "पूर्वी यूरोपीय समय"},
    {"Eastern Standard Time", "पूर्वी मानक समय"},
    {"Eastern War Time", "पूर्वी युद्धकालीन समय"},
    {"Greenwich Mean Time", "ग्रीनविच माध्य समय"},
    {"Guam Standard Time", "गुआम मानक समय"},
    {"Hawaiian Daylight Time", "हवाई ग्रीष्मकालीन समय"},
    {"Hawaiian Standard Time", "हवाई मानक समय"},
    {"Hawaiian War Time", "हवाई युद्धकालीन समय"},
    {"Indian Time", "भारतीय समय"},
    {"Int'l Date Line East", "अंतरराष्ट्रीय तिथि रेखा पूर्व"},
    {"Int'l Date Line West", "अंतरराष्ट्रीय तिथि रेखा पश्चिम"},
    {"Iran Time", "ईरान समय"},
    {"Japan Standard Time", "जापान मानक समय"},
    {"Java Time", "जावा समय"},
    {"Middle European Daylight Time", "मध्य यूरोपीय ग्रीष्मकालीन समय"},
    {"Middle European Time", "मध्य यूरोपीय समय"},
    {"Moluccas Time", "मोलुक्का समय"},
    {"Mountain Daylight Time", "पर्वतीय ग्रीष्मकालीन समय"},
    {"Mountain Standard Time", "पर्वतीय मानक समय"},
    {"Mountain War Time", "पर्वतीय युद्धकालीन समय"},
    {"New Zealand Std Summer Time", "न्यूज़ीलैंड मानक ग्रीष्मकालीन समय"},
    {"New Zealand Std Time", "न्यूज़ीलैंड मानक समय"},
    {"New Zealand Summer Time", "न्यूज़ीलैंड ग्रीष्मकालीन समय"},
    {"New Zealand Time", "न्यूज़ीलैंड समय"},
    {"Newfoundland Standard Time", "न्यूफ़ाउंडलैंड मानक समय"},
    {"Nome Time", "नोम समय"},
    {"North Sumatra Time", "उत्तर सुमात्रा समय"},
    {"Pacific Daylight Time", "प्रशांत ग्रीष्मकालीन समय"},
    {"Pacific Standard Time", "प्रशांत मानक समय"},
    {"Pacific War Time", "प्रशांत युद्धकालीन समय"},
    {"South Australia Daylight Time", "दक्षिण ऑस्ट्रेलिया ग्रीष्मकालीन समय"},
    {"South Australia Standard Time", "दक्षिण ऑस्ट्रेलिया मानक समय"},
    {"South Sumatra Time", "दक्षिण सुमात्रा समय"},
    {"Universal Time", "सार्वभौमिक समय"},
    {"USSR Zone 10", "सोवियत संघ क्षेत्र 10"},
    {"USSR Zone 3", "सोवियत संघ क्षेत्र 3"},
    {"USSR Zone 4", "सोवियत संघ क्षेत्र 4"},
    {"USSR Zone 5", "सोवियत संघ क्षेत्र 5"},
    {"USSR Zone 6", "सोवियत संघ क्षेत्र 6"},
    {"West Africa Time", "पश्चिम अफ़्रीका समय"},
    {"Yukon Daylight Time", "युकोन ग्रीष्मकालीन समय"},
    {"Yukon Standard Time", "युकोन मानक समय"},
    {"Yukon War Time", "युकोन युद्धकालीन समय"},
}};

}  // namespace

std::string_view ZoneName(Language language, std::string_view english)
{
    if (language != Language::Hindi) return english;
    for (const auto& [name, hindi] : HindiZoneNames) {
        if (name == english) return hindi;
    }
    return english;
}

}  // namespace zodiora::vocabulary
