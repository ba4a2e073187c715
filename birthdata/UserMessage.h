#pragma once

#include <string>

namespace zodiora {

enum class MessageIcon { Error, Information };

/// The input-form fields a message can send the focus to.
enum class FormField { None, Name, LonDegrees, LonMinutes, LonSeconds, LatDegrees, LatMinutes, LatSeconds, City, State, Country };

/// A modal message for the user: its exact text, its icon and where the
/// focus goes afterwards (None: focus stays where it is).
struct UserMessage {
    std::string text;
    MessageIcon icon = MessageIcon::Error;
    FormField focus = FormField::None;
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

}  // namespace zodiora
