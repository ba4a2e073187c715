#pragma once

#include <QString>

#include "presentation/ChartMatch.h"

namespace zodiora {

// The match's texts as the Match window and its page show them: in English
// the shared texts of presentation/ChartMatch.h (the tool prints the same),
// in another language from the same library's phrase tables.

QString ShownKootaName(matching::Koota koota);
QString ShownKootaReason(const matching::KootaMatch& match, matching::Koota koota);
QString ShownCancellationText(const matching::KootaMatch& match, matching::Cancellation cancellation);
QString ShownCancellationSource(matching::Cancellation cancellation);
QString ShownManglikExceptionText(matching::ManglikException exception);
QString ShownManglikExceptionSource(matching::ManglikException exception);
QString ShownManglikSummary(const matching::ManglikFinding& finding);

}  // namespace zodiora
