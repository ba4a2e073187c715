#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/QtText.h"
#include "zodiora/Version.h"

namespace zodiora {

namespace {

void Describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Sidereal birth charts: the planets in the signs, the wheel and "
                                                   "the report."));
    parser.addHelpOption();
    parser.addVersionOption();
}

/// "zodiora 1.15", the way command-line programs name themselves.
QString VersionLine()
{
    return QStringLiteral("zodiora ") + ToQString(ProgramVersion) + u'\n';
}

bool Print(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size())
           && std::fflush(stdout) == 0;
}

}  // namespace

std::optional<int> AnswerInfoOptions(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    Describe(parser);
    // Qt's own options (-style Fusion, -platform offscreen) are not known
    // here; they are judged after QApplication has taken them out.
    parser.parse(arguments);
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (!help && !parser.isSet(QStringLiteral("version"))) {
        return std::nullopt;
    }
    QCoreApplication core(argc, argv);  // no display: the help text needs only the program's name
    const QString text = parser.isSet(QStringLiteral("version")) ? VersionLine() : parser.helpText();
    return Print(text) ? 0 : 1;
}

std::optional<int> RefuseWithoutDisplay(int argc, char* argv[])
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return std::nullopt;
    }
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-platform", "--platform", "-display", "--display"}) {
            if (std::strcmp(argv[i], option) == 0) return std::nullopt;
        }
    }
    std::fputs("zodiora: no display to open the window on (DISPLAY is not set); zodiora-chart charts births "
               "without one\n",
               stderr);
    return 1;
}

std::optional<int> RejectUnknownOptions()
{
    QCommandLineParser parser;
    Describe(parser);
    if (parser.parse(QCoreApplication::arguments())) {
        return std::nullopt;
    }
    std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
    return 1;
}

}  // namespace zodiora
