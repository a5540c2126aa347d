#include "catalogue.h"

namespace unitavo::quantities {

// Units table still to come: the main window's button opens nothing until it has rows.
const Quantity &massavolumica()
{
    static const Quantity quantity{.name = "frm_massavolumica", .caption = "Massa Volumica", .button = "btn_massavolumica"};
    return quantity;
}

} // namespace unitavo::quantities
