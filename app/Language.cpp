#include "app/Language.h"

#include "presentation/ChartDisplay.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

namespace zodiora {

namespace {

using vocabulary::Kind;
using vocabulary::Language;

const QString LanguageKey = QStringLiteral("language");
const QString SanskritKey = QStringLiteral("sanskritNames");

vocabulary::NameStyle& CurrentStyle()
{
    static vocabulary::NameStyle style;
    return style;
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Language ChosenLanguage()
{
    const QString kept = QSettings().value(LanguageKey).toString();
    // The desktop's language for its messages (LANGUAGE, LC_MESSAGES, LANG ...).
    const QString code = kept.isEmpty() ? QLocale::system().uiLanguages().value(0, QLocale::system().name()) : kept;
    return vocabulary::LanguageOfCode(code.toStdString());
}

void KeepLanguage(Language language)
{
    QSettings().setValue(LanguageKey, FromView(vocabulary::LanguageCode(language)));
}

vocabulary::Sanskrit ChosenSanskrit()
{
    const QString kept = QSettings().value(SanskritKey).toString();
    return kept == QLatin1String("beside")    ? vocabulary::Sanskrit::Beside
           : kept == QLatin1String("instead") ? vocabulary::Sanskrit::Instead
                                              : vocabulary::Sanskrit::Off;
}

void KeepSanskrit(vocabulary::Sanskrit sanskrit)
{
    QSettings().setValue(SanskritKey, sanskrit == vocabulary::Sanskrit::Beside    ? QStringLiteral("beside")
                                      : sanskrit == vocabulary::Sanskrit::Instead ? QStringLiteral("instead")
                                                                                  : QStringLiteral("off"));
    CurrentStyle().sanskrit = sanskrit;
}

QString TranslationFolder()
{
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString shared = dir.filePath(QStringLiteral("../share/zodiora/translations"));
    if (!QFileInfo::exists(dir.filePath(QStringLiteral("zodiora_hi.qm"))) && QFileInfo::exists(shared)) {
        return QDir::cleanPath(shared);
    }
    return dir.path();
}

bool UseLanguage(Language language, const QString& folder)
{
    static QTranslator* installed = nullptr;
    static QTranslator* qtInstalled = nullptr;
    for (QTranslator** kept : {&installed, &qtInstalled}) {
        if (*kept != nullptr) {
            QCoreApplication::removeTranslator(*kept);
            delete *kept;
            *kept = nullptr;
        }
    }
    CurrentStyle() = {language, ChosenSanskrit()};
    const QString code = FromView(vocabulary::LanguageCode(language));
    // English keeps the desktop's own dates and numbers, unless the desktop speaks Hindi.
    const QLocale desktop = QLocale::system();
    QLocale::setDefault(language == Language::Hindi              ? QLocale(QLocale::Hindi, QLocale::India)
                        : desktop.language() == QLocale::Hindi ? QLocale(QLocale::English, QLocale::India)
                                                               : desktop);
    if (language == Language::English) {
        return true;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("zodiora_") + code, folder)) {
        delete translator;
        CurrentStyle().language = Language::English;
        QLocale::setDefault(QLocale::system());
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    // Qt's own buttons and dialogs; without the file they stay English.
    auto* qtTranslator = new QTranslator(QCoreApplication::instance());
    if (qtTranslator->load(QStringLiteral("qtbase_extra_") + code, folder)) {
        QCoreApplication::installTranslator(qtTranslator);
        qtInstalled = qtTranslator;
    } else {
        delete qtTranslator;
    }
    return true;
}

vocabulary::NameStyle WindowNameStyle()
{
    return CurrentStyle();
}

QString ShownName(Kind kind, int index)
{
    return QString::fromStdString(vocabulary::ShownName(CurrentStyle(), kind, index));
}

QString PointName(Body body)
{
    const vocabulary::NameStyle style = CurrentStyle();
    if (body == Body::Ascendant && style.language == Language::English && style.sanskrit == vocabulary::Sanskrit::Off) {
        return QStringLiteral("Asc");
    }
    return ShownName(Kind::Planet, static_cast<int>(body));
}

QString ShortPointName(Body body)
{
    return ShownName(Kind::PlanetAbbreviation, static_cast<int>(body));
}

QString RetrogradeMarkText()
{
    return QCoreApplication::translate("zodiora::Language", "(R)", "retrograde mark");
}

QString ShownEnglishName(const QString& english)
{
    const vocabulary::NameStyle style = CurrentStyle();
    if (style.language == Language::English && style.sanskrit == vocabulary::Sanskrit::Off) {
        return english;
    }
    QString name = english;
    QString trailing;
    while (name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
        trailing += QLatin1Char(' ');
    }
    const QString mark = QStringLiteral(" (R)");
    const bool retrograde = name.endsWith(mark);
    if (retrograde) name.chop(mark.size());
    const std::string key = name.toStdString();
    const auto lookUp = [&]() -> QString {
        if (key == "Asc") return ShownName(Kind::Planet, static_cast<int>(Body::Ascendant));
        for (const Kind kind : {Kind::Planet, Kind::Sign, Kind::Nakshatra, Kind::Varga}) {
            const auto names = vocabulary::Names(Language::English, kind);
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (names[i] == key) return ShownName(kind, static_cast<int>(i));
            }
        }
        return name;
    };
    QString shown = lookUp();
    if (retrograde) {
        shown += QLatin1Char(' ') + RetrogradeMarkText();
    }
    return shown + trailing;
}

namespace {

bool PlainEnglish()
{
    const vocabulary::NameStyle style = CurrentStyle();
    return style.language == Language::English && style.sanskrit == vocabulary::Sanskrit::Off;
}

/// Sign index of an English sign name, or -1.
int EnglishSignIndex(QStringView word)
{
    const auto names = vocabulary::Names(Language::English, Kind::Sign);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (word == QLatin1String(names[i].data(), static_cast<qsizetype>(names[i].size()))) return int(i);
    }
    return -1;
}

}  // namespace

QString ShownVargaTitle(vedic::Varga varga)
{
    const QString english = QString::fromUtf8(vedic::VargaTitle(varga).data(), static_cast<qsizetype>(vedic::VargaTitle(varga).size()));
    if (CurrentStyle().language == Language::English) return english;
    return ShownName(Kind::Varga, static_cast<int>(varga));
}

QString MonthText(int month)
{
    if (CurrentStyle().language == Language::English) return QString::fromStdString(MonthName(month));
    return QLocale().standaloneMonthName(month);
}

QString ShortSignName(int sign)
{
    const auto english = vocabulary::Name(Language::English, Kind::Sign, sign);
    if (PlainEnglish()) return QString::fromLatin1(english.data(), std::min<qsizetype>(3, english.size()));
    vocabulary::NameStyle alone = CurrentStyle();
    if (alone.sanskrit == vocabulary::Sanskrit::Beside) alone.sanskrit = vocabulary::Sanskrit::Instead;
    return QString::fromStdString(vocabulary::ShownName(alone, Kind::Sign, sign));
}

QString ShownPosition(const QString& english)
{
    if (PlainEnglish()) return english;
    QStringList words = english.split(QLatin1Char(' '));
    const auto names = vocabulary::Names(Language::English, Kind::Sign);
    for (QString& word : words) {
        for (int k = 0; k < 12; ++k) {
            if (word == QLatin1String(names[static_cast<std::size_t>(k)].substr(0, 3).data(), 3)) {
                word = ShortSignName(k);
                break;
            }
        }
    }
    return words.join(QLatin1Char(' '));
}

QString ShownSignText(const QString& english)
{
    if (PlainEnglish()) return english;
    const int index = EnglishSignIndex(QStringView(english).left(english.indexOf(QLatin1Char(' ')) < 0
                                                                      ? english.size()
                                                                      : english.indexOf(QLatin1Char(' '))));
    return index < 0 ? english : ShownName(Kind::Sign, index);
}

QString ShownCoordinate(const QString& english)
{
    if (CurrentStyle().language == Language::English || english.isEmpty()) return english;
    const QChar last = english.back();
    const QString word = last == u'E'   ? QCoreApplication::translate("zodiora::Language", "E", "east")
                         : last == u'W' ? QCoreApplication::translate("zodiora::Language", "W", "west")
                         : last == u'N' ? QCoreApplication::translate("zodiora::Language", "N", "north")
                         : last == u'S' ? QCoreApplication::translate("zodiora::Language", "S", "south")
                                        : QString(last);
    return english.chopped(1) + word;
}

QString ShownBirthDate(const BirthData& birth, const QString& english)
{
    if (CurrentStyle().language == Language::English) return english;
    const QDate date(birth.year, birth.month, birth.day);
    return date.isValid() ? QLocale().toString(date, QStringLiteral("d MMMM yyyy")) : english;
}

QString ShownDateFormat()
{
    if (CurrentStyle().language == Language::English) return QStringLiteral("yyyy-MM-dd");
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // Dasha periods span 120 years: a two-digit year would be ambiguous.
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString ShownDate(const QDate& date)
{
    // English keeps the locale-free ISO text whatever the desktop's digits.
    if (CurrentStyle().language == Language::English) return date.toString(QStringLiteral("yyyy-MM-dd"));
    return QLocale().toString(date, ShownDateFormat());
}

QString ShownReportHeading(const QString& english)
{
    if (PlainEnglish()) return english;
    qsizetype end = english.size();
    while (end > 0 && (english[end - 1] == u'\r' || english[end - 1] == u'\n')) --end;
    const QString heading = english.left(end);
    const QString breaks = english.mid(end);
    const auto translated = [&]() -> QString {
        if (heading == QLatin1String("More About Sign :-")) {
            return QCoreApplication::translate("zodiora::Language", "More About Sign :-");
        }
        if (heading == QLatin1String("Keywords :-")) return QCoreApplication::translate("zodiora::Language", "Keywords :-");
        if (heading == QLatin1String("Element :-")) return QCoreApplication::translate("zodiora::Language", "Element :-");
        if (heading == QLatin1String("Ruling Planet :-")) {
            return QCoreApplication::translate("zodiora::Language", "Ruling Planet :-");
        }
        const QString planetPrefix = QStringLiteral("Characteristics Of Planet ");
        if (heading.startsWith(planetPrefix) && heading.endsWith(QLatin1String(" :-"))) {
            const QString body = heading.mid(planetPrefix.size()).chopped(3);
            return QCoreApplication::translate("zodiora::Language", "Characteristics Of Planet %1 :-")
                .arg(ShownEnglishName(body));
        }
        const qsizetype in = heading.indexOf(QLatin1String(" In "));
        if (in > 0 && heading.indexOf(u' ') == in) {
            //: A planet in a sign, the report's heading: "Sun In Gemini"
            return QCoreApplication::translate("zodiora::Language", "%1 In %2")
                .arg(ShownEnglishName(heading.left(in)), ShownEnglishName(heading.mid(in + 4)));
        }
        return heading;
    };
    return translated() + breaks;
}

QString ShownReportValue(const QString& english)
{
    if (PlainEnglish()) return english;
    qsizetype end = english.size();
    while (end > 0 && (english[end - 1] == u'\r' || english[end - 1] == u'\n')) --end;
    const QString value = english.left(end);
    const QString breaks = english.mid(end);
    if (value == QLatin1String("Fire")) return QCoreApplication::translate("zodiora::Language", "Fire", "element") + breaks;
    if (value == QLatin1String("Earth")) return QCoreApplication::translate("zodiora::Language", "Earth", "element") + breaks;
    if (value == QLatin1String("Air")) return QCoreApplication::translate("zodiora::Language", "Air", "element") + breaks;
    if (value == QLatin1String("Water")) return QCoreApplication::translate("zodiora::Language", "Water", "element") + breaks;
    // Ruling planets: "Mercury", "The Moon", "Pluto and Mars".
    QStringList rulers = QString(value).remove(QLatin1String("The ")).split(QLatin1String(" and "));
    for (QString& ruler : rulers) {
        const QString shown = ShownEnglishName(ruler);
        if (shown == ruler) return english;  // not a planet: prose
        ruler = shown;
    }
    if (rulers.size() == 2) {
        //: Two ruling planets of a sign: "Pluto and Mars"
        return QCoreApplication::translate("zodiora::Language", "%1 and %2").arg(rulers[0], rulers[1]) + breaks;
    }
    return rulers.join(QStringLiteral(", ")) + breaks;
}

QString ShownHouseText(const QString& english)
{
    if (PlainEnglish()) return english;
    QStringList lines = english.split(QStringLiteral("\r\n"));
    for (QString& line : lines) line = ShownEnglishName(line);
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace zodiora
