#pragma once

// Private to formats/ICalendar*.cpp: nothing outside formats sees libical.

#include <libical/ical.h>

#include <memory>

namespace vestrona {

struct ComponentFree {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
// A libical component tree, freed with its root.
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

} // namespace vestrona
