#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &pressioni()
{
    static const Quantity quantity{.name = "frm_pressioni", .caption = "Pressioni", .button = "btn_pressioni"};
    return quantity;
}

} // namespace unitavo::quantities
