#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &accelerazioni()
{
    static const Quantity quantity{.name = "frm_accelerazioni", .caption = "Accelerazioni", .button = "btn_accelerazioni"};
    return quantity;
}

} // namespace unitavo::quantities
