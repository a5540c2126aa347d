#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &velocita()
{
    static const Quantity quantity{.name = "frm_velocita", .caption = "Velocità", .button = "btn_velocita"};
    return quantity;
}

} // namespace unitavo::quantities
