#pragma once

#include "presentation/Phrases.h"

namespace zodiora {

/// The phrases of the match texts (koota reasons, cancellations, Kuja
/// dosha) in `language`, by their English text; empty for English.
PhraseTable MatchPhrases(vocabulary::Language language);

}  // namespace zodiora
