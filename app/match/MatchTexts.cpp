#include "app/match/MatchTexts.h"

#include "app/Language.h"
#include "app/QtText.h"

namespace zodiora {

// The words come from the same phrase tables the tool prints with, so a
// reason reads the same on screen, on the printed page and in the terminal.
namespace {

vocabulary::Language Shown()
{
    return WindowNameStyle().language;
}

QString Text(std::string_view text)
{
    return ToQString(text);
}

}  // namespace

QString ShownKootaName(matching::Koota koota)
{
    return Text(KootaName(koota, Shown()));
}

QString ShownKootaReason(const matching::KootaMatch& match, matching::Koota koota)
{
    return Text(KootaReason(match, koota, Shown()));
}

QString ShownCancellationText(const matching::KootaMatch& match, matching::Cancellation cancellation)
{
    return Text(CancellationText(match, cancellation, Shown()));
}

QString ShownCancellationSource(matching::Cancellation cancellation)
{
    return Text(CancellationSource(cancellation, Shown()));
}

QString ShownManglikExceptionText(matching::ManglikException exception)
{
    return Text(ManglikExceptionText(exception, Shown()));
}

QString ShownManglikExceptionSource(matching::ManglikException exception)
{
    return Text(ManglikExceptionSource(exception, Shown()));
}

QString ShownManglikSummary(const matching::ManglikFinding& finding)
{
    return Text(ManglikSummary(finding, Shown()));
}

}  // namespace zodiora
