#pragma once

#include <vector>

class QWidget;

namespace zodiora {

class VedicPage;

/// Every Vedic page, new and owned by `parent`, in tab order.
std::vector<VedicPage*> MakeVedicPages(QWidget* parent);

}  // namespace zodiora
