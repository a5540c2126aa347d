#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &lunghezze()
{
    static const Quantity quantity{.name = "frm_lunghezze", .caption = "Lunghezze", .button = "btn_lunghezze"};
    return quantity;
}

} // namespace unitavo::quantities
