#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "birthdata/UserMessage.h"

namespace zodiora {

/// A whole name put through the name box's keystroke filter, as if typed:
/// `name` is what the box would hold (letters in capitals where the script
/// has case), or, when a character would have been refused or stands where
/// it cannot, `problem` is the box's message.
struct NameCheck {
    std::string name;
    std::optional<UserMessage> problem;
};

/// Checks a name that arrived whole (pasted, or given on a command line),
/// UTF-8. Letters of any script pass ("राम", "JOSÉ"); a combining mark must
/// follow a letter, a hyphen or apostrophe must stand between two letters
/// (JEAN-LUC, O'BRIEN; not -ANN, ANN-, O''BRIEN, ANN - LEE). Enter and
/// Backspace edit the box as keys; inside a name they are refused, and so
/// are bytes that are not UTF-8.
NameCheck CheckNameText(std::string_view name);

}  // namespace zodiora
