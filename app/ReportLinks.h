#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QTextEdit>

#include "app/ReportLinkFilter.h"

namespace zodiora {

class Platform;

/// Link handling of the report box: while attached, web addresses in the
/// box are detected (now and whenever its text changes) and shown as links,
/// and a left-button press on one opens it through the platform; the press
/// still reaches the box. Detaching removes the link marks again.
class ReportLinks {
public:
    explicit ReportLinks(Platform& platform) : platform_(platform) {}
    ~ReportLinks();
    ReportLinks(const ReportLinks&) = delete;
    ReportLinks& operator=(const ReportLinks&) = delete;

    /// Attaches to `box`, first detaching from any earlier box.
    void attach(QTextEdit* box);
    /// Detection stops, the link marks go and presses open nothing. Does
    /// nothing when not attached.
    void detach();

    bool isAttached() const { return attached_; }
    /// The box link handling is attached to, if any.
    QTextEdit* box() const { return box_; }

private:
    void detectLinks();

    Platform& platform_;
    QPointer<QTextEdit> box_;
    QPointer<ReportLinkFilter> filter_;
    QMetaObject::Connection textChanged_;
    bool attached_ = false;
    bool detecting_ = false;  ///< our own format changes also signal textChanged
};

}  // namespace zodiora
