#pragma once

#include <optional>

#include "birthdata/UserMessage.h"

namespace zodiora {

/// What a keystroke filter made of one typed character: the character code
/// to insert (0 when the key is cancelled) and the message to show, if any.
struct KeyFilterResult {
    int code = 0;
    std::optional<UserMessage> message;
};

/// Degree and minute boxes: digits, Enter (13) and Backspace (8) pass;
/// anything else is cancelled with "Only Numbers Are Accepted".
KeyFilterResult FilterDigitKey(int code);

/// Name box: letters pass, lower case turned upper case; space, Enter (13)
/// and Backspace (8) pass; anything else is cancelled with
/// "Please Enter only Letters".
KeyFilterResult FilterLetterKey(int code);

}  // namespace zodiora
