#pragma once

#include <optional>

#include "birthdata/UserMessage.h"

namespace zodiora {

/// The character codes of the two control keys the filters pass.
inline constexpr int BackspaceKey = 8;
inline constexpr int EnterKey = 13;

/// What a keystroke filter made of one typed character: the character code
/// to insert (0 when the key is cancelled) and the message to show, if any.
struct KeyFilterResult {
    int code = 0;
    std::optional<UserMessage> message;
};

/// Degree and minute boxes: digits, Enter (13) and Backspace (8) pass;
/// anything else is cancelled with "Only Numbers Are Accepted".
KeyFilterResult FilterDigitKey(int code);

/// Seconds boxes: as FilterDigitKey, and the decimal point passes too.
KeyFilterResult FilterSecondsKey(int code);

/// What a character (a Unicode code point) is to a name.
enum class NameCharacter {
    Letter,  ///< a letter of any script (Unicode L*)
    Mark,    ///< a combining mark (M*: Devanagari vowel signs, a decomposed accent) or ZWJ/ZWNJ; follows a letter
    Joiner,  ///< hyphen-minus, U+2010 hyphen, apostrophe or U+2019: only between two letters (JEAN-LUC, O'BRIEN)
    Space,
    Other,   ///< digits, punctuation, symbols, controls: not in a name
};

/// The one rule of which characters a name holds.
NameCharacter ClassifyNameCharacter(char32_t c);

/// Name box, keystroke by keystroke (`code` a Unicode code point): letters
/// of any script pass, turned into capitals where the script has case;
/// marks, hyphens, apostrophes, space, Enter (13) and Backspace (8) pass;
/// anything else is cancelled with "Please Enter only Letters". Where a
/// mark or hyphen stands is judged on the whole name (CheckNameText).
KeyFilterResult FilterLetterKey(int code);

}  // namespace zodiora
