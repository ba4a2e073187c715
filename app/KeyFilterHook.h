#pragma once

#include <QObject>

#include "birthdata/KeyFilters.h"

namespace zodiora {

class Platform;

/// Runs one of the form's keystroke filters on every key press that types
/// a character into the line edit it watches. Keys that type nothing
/// (Tab, arrows, Delete, shortcuts) pass untouched; a cancelled key shows
/// the filter's message; a replaced character is inserted instead of the
/// typed one. Pasted text is not seen here.
/// An optional length limit refuses typing past it, with its message.
class KeyFilterHook : public QObject {
    Q_OBJECT
public:
    using Filter = KeyFilterResult (*)(int code);

    KeyFilterHook(Filter filter, Platform& platform, QObject* parent = nullptr);

    /// Refuses, with `message`, a character that would take the box past
    /// `characters` (a limit setMaxLength would enforce without a word, and
    /// by cutting a longer saved text short).
    void limitLength(int characters, UserMessage message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Filter filter_;
    Platform& platform_;
    int limit_ = 0;  ///< 0 = none
    UserMessage limitMessage_;
};

}  // namespace zodiora
