#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &temperature()
{
    static const Quantity quantity{.name = "frm_temperature", .caption = "Temperature", .button = "btn_temperature"};
    return quantity;
}

} // namespace unitavo::quantities
