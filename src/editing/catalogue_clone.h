#pragma once
// A deep copy of a catalogue, so a long edit can put everything back when
// it cannot finish.

#include "catalogue/catalogue.h"

namespace lrv {

// Nodes with their values, integers and expanded flags, the focus, the
// selection in its order and the sort marks. Observers are not copied.
// Deep trees are copied without recursion.
Catalogue CloneCatalogue(const Catalogue& source);

}  // namespace lrv
