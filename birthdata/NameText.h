#pragma once

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

}  // namespace zodiora
