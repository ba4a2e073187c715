#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "presentation/ReportSink.h"

namespace zodiora::test {

/// One insertion with the formatting that was in force for it, and whether
/// weight and colour had both been set since the previous insertion.
struct RecordedPiece {
    std::string text;
    bool bold = false;
    int red = -1, green = -1, blue = -1;
    bool formatSetBefore = false;
};

/// Report sink that keeps every piece with its weight and colour.
class RecordingSink : public ReportSink {
public:
    void setBold(bool bold) override
    {
        bold_ = bold;
        boldSet_ = true;
    }
    void setColour(int red, int green, int blue) override
    {
        red_ = red;
        green_ = green;
        blue_ = blue;
        colourSet_ = true;
    }
    void insertText(std::string_view text) override
    {
        pieces.push_back({std::string(text), bold_, red_, green_, blue_, boldSet_ && colourSet_});
        boldSet_ = colourSet_ = false;
    }

    std::vector<RecordedPiece> pieces;

private:
    bool bold_ = false;
    int red_ = -1, green_ = -1, blue_ = -1;
    bool boldSet_ = false, colourSet_ = false;
};

}  // namespace zodiora::test
