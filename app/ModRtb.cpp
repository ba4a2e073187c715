#include "ModRtb.h"

#include <QPointer>
#include <QTextEdit>

#include "ClipboardGuard.h"
#include "LinkDetection.h"
#include "ReportLinkFilter.h"

namespace zodiora {

namespace {

/// Link-handling state: empty while detached.
struct ReportLinkState {
    QPointer<QTextEdit> box;
    QPointer<QWidget> window;
    QPointer<ReportLinkFilter> filter;
    QMetaObject::Connection textChanged;
    bool attached = false;
    bool detecting = false;  ///< our own format changes also signal textChanged
};

ReportLinkState& State()
{
    static ReportLinkState state;
    return state;
}

void DetectLinks()
{
    ReportLinkState& state = State();
    if (state.detecting || !state.box) {
        return;
    }
    state.detecting = true;
    ApplyLinkFormats(state.box->document());
    state.detecting = false;
}

}  // namespace

void EnableReportLinks(QTextEdit* box, QWidget* window, Platform& platform)
{
    if (State().attached) {
        DisableReportLinks();
    }
    ReportLinkState& state = State();
    state.box = box;
    state.window = window;
    state.filter = new ReportLinkFilter(box, platform);
    state.filter->setParent(box);
    box->viewport()->installEventFilter(state.filter);
    state.textChanged = QObject::connect(box, &QTextEdit::textChanged, state.filter, &DetectLinks);
    state.attached = true;
    DetectLinks();
}

void DisableReportLinks()
{
    ReportLinkState& state = State();
    if (!state.attached) {
        return;
    }
    QObject::disconnect(state.textChanged);
    delete state.filter;  // also removes it from the viewport's filters
    if (state.box) {
        state.detecting = true;
        RemoveLinkFormats(state.box->document());
        state.detecting = false;
    }
    state = ReportLinkState{};
}

bool ReportLinksEnabled()
{
    return State().attached;
}

QTextEdit* ReportLinksBox()
{
    return State().box;
}

void AttachClipboardGuard(QTextEdit* box, Platform& platform)
{
    new ClipboardGuard(box, platform);
}

}  // namespace zodiora
