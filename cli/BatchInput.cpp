#include "cli/BatchInput.h"

#include <istream>
#include <string_view>

namespace zodiora::cli {

namespace {

// Spreadsheets write "CSV UTF-8" with a byte-order mark before the first line.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

BatchLineStatus BatchInput::next(std::string& line)
{
    line.clear();
    bool any = false;
    bool tooLong = false;
    // istream::get turns a failed read into badbit for the caller to see.
    for (int c = in_.get(); c != std::istream::traits_type::eof(); c = in_.get()) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < MaxBatchLineBytes) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (!any) {
        return BatchLineStatus::End;
    }
    if (++lineNumber_ == 1 && line.starts_with(ByteOrderMark)) {
        line.erase(0, ByteOrderMark.size());
    }
    return tooLong ? BatchLineStatus::TooLong : BatchLineStatus::Line;
}

}  // namespace zodiora::cli
