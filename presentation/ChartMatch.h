#pragma once

#include <string>
#include <string_view>

#include "engine/Chart.h"
#include "matching/GunaMilan.h"
#include "matching/Manglik.h"
#include "vocabulary/Vocabulary.h"

namespace zodiora {

/// The marriage match of two charts: the Ashtakoota of their birth Moons
/// and each chart's Kuja dosha.
struct ChartMatch {
    matching::KootaMatch kootas;
    matching::ManglikFinding boy;
    matching::ManglikFinding girl;

    /// Both charts Manglik: by the classical rule the doshas match each other.
    bool bothManglik() const { return boy.manglik() && girl.manglik(); }
};

/// The signs of the Lagna, Moon, Venus, Mars and Jupiter of a chart.
matching::ManglikSigns ManglikSignsOf(const Chart& chart);

/// The match of a boy's chart and a girl's.
ChartMatch MatchCharts(const Chart& boy, const Chart& girl);

// Texts of the match, shared by the windows and zodiora-chart, in English
// unless another language is given (its phrases: MatchPhrases.cpp).

/// "Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi".
std::string_view KootaName(matching::Koota koota, vocabulary::Language language = vocabulary::Language::English);

/// Points as the books print them: "26", "1.5".
std::string PointsText(double points);

/// The one-line reason for a koota's points, from the numbers of the match:
/// "boy Keeta, girl Jalachara", "Scorpio is the 9th from Pisces, Pisces the
/// 5th from Scorpio: 9/5, a dosha".
std::string KootaReason(const matching::KootaMatch& match, matching::Koota koota,
                        vocabulary::Language language = vocabulary::Language::English);

/// What a cancellation says: "the Moon signs' lords, Mars and Jupiter, are
/// friends of each other".
std::string CancellationText(const matching::KootaMatch& match, matching::Cancellation cancellation,
                             vocabulary::Language language = vocabulary::Language::English);

/// The book a cancellation is taken from.
std::string_view CancellationSource(matching::Cancellation cancellation,
                                    vocabulary::Language language = vocabulary::Language::English);

/// "Lagna", "Moon", "Venus".
std::string_view ManglikReferenceName(matching::ManglikReference reference,
                                      vocabulary::Language language = vocabulary::Language::English);

/// What an exception says: "Mars in Leo or Aquarius".
std::string_view ManglikExceptionText(matching::ManglikException exception,
                                      vocabulary::Language language = vocabulary::Language::English);

/// The book an exception is taken from.
std::string_view ManglikExceptionSource(matching::ManglikException exception,
                                        vocabulary::Language language = vocabulary::Language::English);

/// One line for a chart's Kuja dosha: "Manglik: Mars in Gemini, the 7th
/// from the Lagna, the 12th from Venus" or "not Manglik: Mars in Leo, the
/// 3rd from the Lagna, the 5th from the Moon, the 6th from Venus".
std::string ManglikSummary(const matching::ManglikFinding& finding,
                           vocabulary::Language language = vocabulary::Language::English);

/// "1st", "2nd", "3rd", "4th" .. "27th".
std::string Ordinal(int number);

}  // namespace zodiora
