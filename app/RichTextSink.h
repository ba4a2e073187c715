#pragma once

#include <QTextCharFormat>

#include "presentation/ReportSink.h"

class QTextEdit;

namespace zodiora {

/// Writes the report into a QTextEdit at its insertion point: bold and
/// colour apply to what is inserted next, and each CR LF becomes one
/// paragraph break.
class RichTextSink final : public ReportSink {
public:
    explicit RichTextSink(QTextEdit& box);

    void setBold(bool bold) override;
    void setColour(int red, int green, int blue) override;
    void insertText(std::string_view text) override;

private:
    QTextEdit& box_;
    QTextCharFormat format_;
    bool pendingCarriageReturn_ = false;  ///< last piece ended in CR: a following LF is its partner
};

}  // namespace zodiora
