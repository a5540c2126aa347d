#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &angoli()
{
    static const Quantity quantity{.name = "frm_angoli", .caption = "Angoli", .button = "btn_angoli"};
    return quantity;
}

} // namespace unitavo::quantities
