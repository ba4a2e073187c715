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
class KeyFilterHook : public QObject {
    Q_OBJECT
public:
    using Filter = KeyFilterResult (*)(int code);

    KeyFilterHook(Filter filter, Platform& platform, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Filter filter_;
    Platform& platform_;
};

}  // namespace zodiora
