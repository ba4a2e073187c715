#pragma once

#include <QDate>
#include <QString>

#include "birthdata/BirthData.h"
#include "engine/Body.h"
#include "vedic/Varga.h"
#include "vocabulary/Vocabulary.h"

namespace zodiora {

/// The windows' language: the one chosen in the Language menu and kept in
/// the settings, else the desktop's (its locale name starting "hi" gives
/// Hindi, anything else English).
vocabulary::Language ChosenLanguage();

/// Keeps `language` for the next start: the windows are built in one
/// language, so a new choice shows once the program starts again.
void KeepLanguage(vocabulary::Language language);

/// English names, or Sanskrit ones beside or instead of them (settings).
vocabulary::Sanskrit ChosenSanskrit();
void KeepSanskrit(vocabulary::Sanskrit sanskrit);

/// Where the compiled translations are: beside the program (a build tree),
/// else ../share/zodiora/translations from it (an installed program).
QString TranslationFolder();

/// Makes `language` the windows' language for this run: installs its
/// translator from `folder` (none for English), sets the default locale
/// that dates and numbers follow, and the names the windows show. False
/// when the translation file is missing (the windows then stay English).
bool UseLanguage(vocabulary::Language language, const QString& folder = TranslationFolder());

/// The name style the windows show, as UseLanguage and the settings set it.
vocabulary::NameStyle WindowNameStyle();

/// An astrological name in the windows' language.
QString ShownName(vocabulary::Kind kind, int index);

/// A point's name as the windows show it; the Ascendant as "Asc" in English.
QString PointName(Body body);

/// A point's label on the drawn charts: "Su", "Asc" ... or "सू", "ल" ...
QString ShortPointName(Body body);

/// The mark after a retrograde planet: "(R)", in Hindi "(व)" (vakri).
QString RetrogradeMarkText();

/// An English name from the tables ("Jupiter", "Asc", "Ashwini", "Leo",
/// "Jupiter (R) ") in the windows' language, blanks and the retrograde mark
/// kept; anything else unchanged.
QString ShownEnglishName(const QString& english);

/// A divisional chart's title ("Navamsa") in the windows' language.
QString ShownVargaTitle(vedic::Varga varga);

/// Month 1..12 as the form lists it: the English name, or the chosen locale's.
QString MonthText(int month);

/// A sign in a narrow column: "Ari" .. "Pis" in English, else the sign's own name.
QString ShortSignName(int sign);

/// A position, "16 Sag 11" or "16° 31' 31\" Sag", with the sign named in the
/// windows' language ("16 धनु 11").
QString ShownPosition(const QString& english);

/// A sign text that starts with an English sign name ("Gemini (Mithuna)")
/// as the windows name that sign; anything else unchanged.
QString ShownSignText(const QString& english);

/// "77° 12' E" with the direction in the windows' language.
QString ShownCoordinate(const QString& english);

/// The birth date: the English text, or day, month name and year in the default locale.
QString ShownBirthDate(const BirthData& birth, const QString& english);

/// A calendar date as the windows list it (dasha periods, transits,
/// panchang): ISO 8601 "2031-01-05" in English, as always; in another
/// language the chosen locale's short date with the year in full ("5/1/2031").
QString ShownDate(const QDate& date);

/// The date pickers' display format in the same style ("yyyy-MM-dd" or "d/M/yyyy").
QString ShownDateFormat();

/// A heading of the interpretation report ("Sun In Gemini", "Keywords :-"),
/// trailing line breaks kept, in the windows' language; other text unchanged.
QString ShownReportHeading(const QString& english);

/// A value of the interpretation report's sign table: an element ("Air")
/// or the ruling planets ("Pluto and Mars", "The Moon"), trailing line
/// breaks kept, in the windows' language; any other text (the prose) unchanged.
QString ShownReportValue(const QString& english);

/// A house's text, one name a line (CR LF), each line through ShownEnglishName.
QString ShownHouseText(const QString& english);

}  // namespace zodiora
