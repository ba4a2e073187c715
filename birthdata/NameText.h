#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "birthdata/UserMessage.h"

namespace zodiora {

/// A whole name put through the name box's keystroke filter, as if typed:
/// `name` is what the box would hold (lower case turned upper case), or,
/// when a character would have been refused, `problem` is the box's message.
struct NameCheck {
    std::string name;
    std::optional<UserMessage> problem;
};

/// Checks a name that arrived whole (pasted, or given on a command line).
/// Enter and Backspace edit the box as keys; inside a name they are refused.
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
