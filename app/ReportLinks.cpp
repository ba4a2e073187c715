#include "app/ReportLinks.h"

#include "app/LinkDetection.h"

namespace zodiora {

ReportLinks::~ReportLinks()
{
    detach();
}

void ReportLinks::attach(QTextEdit* box)
{
    detach();
    box_ = box;
    filter_ = new ReportLinkFilter(box, platform_);
    filter_->setParent(box);
    box->viewport()->installEventFilter(filter_);
    textChanged_ = QObject::connect(box, &QTextEdit::textChanged, filter_, [this] { detectLinks(); });
    attached_ = true;
    detectLinks();
}

void ReportLinks::detach()
{
    if (!attached_) {
        return;
    }
    QObject::disconnect(textChanged_);
    delete filter_;  // also removes it from the viewport's filters
    if (box_) {
        detecting_ = true;
        RemoveLinkFormats(box_->document());
        detecting_ = false;
    }
    box_ = nullptr;
    attached_ = false;
}

void ReportLinks::detectLinks()
{
    if (detecting_ || !box_) {
        return;
    }
    detecting_ = true;
    ApplyLinkFormats(box_->document(), box_->palette().color(QPalette::Link));
    detecting_ = false;
}

}  // namespace zodiora
