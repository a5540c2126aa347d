#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &volumi()
{
    static const Quantity quantity{.name = "frm_volumi", .caption = "Volumi", .button = "btn_volumi"};
    return quantity;
}

} // namespace unitavo::quantities
