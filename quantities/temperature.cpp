// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Temperatures, through the degree Celsius. The pivot lives for one press; the Celsius row keeps
// the typed text itself, so Celsius to Celsius copies the input as typed.
#include "quantities.h"

namespace unitavo::quantities {

namespace {

// The scales differ by an offset as well as a factor. Each sequence runs in the order written,
// every step on the result of the one before: Rankine passes through the Fahrenheit value, taking
// away 459.67 and then 32, never the two folded together. The source steps are double arithmetic;
// the 32 added on the way out is a whole number.
constexpr UnitRow rows[] = {
    {.source = "C",
        .target = "C2",
        .sourceCaption = "Celsius",
        .symbol = "degC",
        .names = "°C|C|celsius|grado celsius|gradi celsius|centigrado|centigradi|degree celsius"
                 "|degrees celsius",
        .top = 360,
        .sourceWidth = 1335,
        .targetWidth = 1575,
        .into = intoAsIs(),
        .outOf = outAsIs()},
    {.source = "F",
        .target = "F2",
        .sourceCaption = "Fahrenheit",
        .symbol = "degF",
        .names = "°F|F|fahrenheit|grado fahrenheit|gradi fahrenheit|degree fahrenheit"
                 "|degrees fahrenheit",
        .top = 720,
        .sourceWidth = 1455,
        .targetWidth = 1575,
        .into = into(minus(real(32.0)), over(real(1.8))),
        .outOf = outOf(times(real(1.8)), plus(int16(32)))},
    {.source = "k",
        .target = "k2",
        .sourceCaption = "Kelvin",
        .symbol = "K",
        .names = "kelvin|kelvins",
        .top = 1080,
        .sourceWidth = 1215,
        .targetWidth = 1215,
        .into = into(minus(real(273.15))),
        .outOf = outOf(plus(real(273.15)))},
    {.source = "R",
        .target = "R2",
        .sourceCaption = "Rankine",
        .symbol = "degR",
        .names = "°R|R|rankine|grado rankine|gradi rankine|degree rankine|degrees rankine",
        .top = 1440,
        .sourceWidth = 1335,
        .targetWidth = 1095,
        .into = into(minus(real(459.67)), minus(real(32.0)), over(real(1.8))),
        .outOf = outOf(times(real(1.8)), plus(int16(32)), plus(real(459.67)))},
    {.source = "re",
        .target = "re2",
        .sourceCaption = "Rèaumur",
        .symbol = "degRe",
        .names = "°Ré|Ré|réaumur|grado réaumur|gradi réaumur|degree réaumur|degrees réaumur",
        .top = 1800,
        .sourceWidth = 1455,
        .targetWidth = 1455,
        .into = into(times(real(1.25))),
        .outOf = outOf(over(real(1.25)))},
};

} // namespace

const Quantity &temperature()
{
    static const Quantity quantity{
        .id = "temperature",
        .name = "frm_temperature",
        .caption = "Temperature",
        .button = "btn_temperature",
        .pivot = PivotKind::PerPress,
        .rows = rows,
        .layout = {.clientWidth = 4290,
            .clientHeight = 3345,
            .frame1 = {0, 120, 2055, 2655},
            .frame2 = {2160, 120, 2055, 2655},
            .input = {120, 2160, 1815, 285},
            .result = {120, 2160, 1815, 285},
            .resultOnWindow = false,
            .calcola = {1440, 3000, 1335, 255}},
    };
    return quantity;
}

} // namespace unitavo::quantities
