#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &superfici()
{
    static const Quantity quantity{.name = "frm_superfici", .caption = "Superfici", .button = "btn_superfici"};
    return quantity;
}

} // namespace unitavo::quantities
