#include "app/vedic/VedicPages.h"

#include "app/vedic/ChartsPage.h"
#include "app/vedic/DashaTree.h"
#include "app/vedic/KpTable.h"
#include "app/vedic/NakshatraTable.h"
#include "app/vedic/NavamsaView.h"
#include "app/vedic/StrengthPage.h"
#include "app/vedic/VargaTable.h"
#include "app/vedic/TransitPage.h"

namespace zodiora {

std::vector<VedicPage*> MakeVedicPages(QWidget* parent)
{
    // The tabs after "Summary", in this order. A new page: its class (a
    // QWidget and a VedicPage), one line here, and app/CMakeLists.txt.
    return {
        new NakshatraTable(parent),
        new NavamsaView(parent),
        new ChartsPage(parent),
        new DashaTree(parent),
        new KpTable(parent),
        new VargaTable(parent),
        new StrengthPage(parent),
        new TransitPage(parent),
    };
}

}  // namespace zodiora
