#include "chartlibrary/SetAsideLibrary.h"

namespace zodiora {

std::string SetAsideLibrary::message() const
{
    const std::string what = reason == Reason::Newer ? "was written by a newer version of Zodiora"
                                                     : "could not be read";
    return "The chart library " + path.string() + " " + what + " (" + detail + "). It was kept as " +
           movedTo.string() + " and a new, empty library was started.";
}

}  // namespace zodiora
