#pragma once

#include <cstddef>
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
/// are bytes that are not UTF-8. The name comes back composed (NFC): a
/// letter typed with a combining accent is the same name as its precomposed
/// letter ("JOSE" + U+0301 is "JOSÉ").
NameCheck CheckNameText(std::string_view name);

/// The most characters the form's name box takes: a name longer than a
/// line of the results and of the chart page would push them apart.
inline constexpr std::size_t NameLengthLimit = 60;

/// Names the limit when `name` has more characters (code points) than
/// NameLengthLimit; the focus goes to the name box.
std::optional<UserMessage> NameLengthProblem(std::string_view name);

/// The message for a name at the limit: "A name can have at most 60 characters".
UserMessage NameLengthMessage();

}  // namespace zodiora
