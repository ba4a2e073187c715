#pragma once

#include <string_view>

namespace zodiora {

/// Where the interpretation report is written: a rich-text box on screen,
/// or plain text for the command line. Formatting set applies to the text
/// inserted after it; text goes in at the insertion point.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void setBold(bool bold) = 0;
    virtual void setColour(int red, int green, int blue) = 0;
    /// UTF-8 text; line breaks are CR LF.
    virtual void insertText(std::string_view text) = 0;
};

}  // namespace zodiora
