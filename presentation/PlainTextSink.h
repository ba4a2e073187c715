#pragma once

#include <string>
#include <string_view>

#include "ReportSink.h"

namespace zodiora {

/// Collects the report's text and drops its formatting, for the command line
/// and for tests that read the words only.
class PlainTextSink : public ReportSink {
public:
    void setBold(bool bold) override;
    void setColour(int red, int green, int blue) override;
    void insertText(std::string_view text) override;

    /// Everything inserted so far, line breaks as CR LF.
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace zodiora
