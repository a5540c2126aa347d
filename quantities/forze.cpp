// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Forces, through the kilogram-force. The pivot is held by the window between presses.
#include "quantities.h"

namespace unitavo::quantities {

namespace {

// Each constant is the number of units in one kilogram-force.
constexpr UnitRow rows[] = {
    {.source = "opt_g1",
        .target = "opt_g2",
        .sourceCaption = "grammo         (g)",
        .targetCaption = "grammo        (g)",
        .symbol = "g",
        .names = "gf|grammo|grammi|grammo forza|grammi forza|gram|grams|gram-force|grams-force",
        .top = 360,
        .sourceWidth = 1455,
        .targetWidth = 1455,
        .into = into(over(real(1000))),
        .outOf = outOf(times(real(1000)))},
    {.source = "opt_kg1",
        .target = "opt_kg2",
        .sourceCaption = "chilogrammo  (kg)",
        .targetCaption = "chilogrammo (kg)",
        .symbol = "kg",
        .names = "kgf|kp|chilogrammo|chilogrammi|chilogrammo forza|chilogrammi forza|kilogram"
                 "|kilograms|kilogram-force|kilograms-force|kilopond|kiloponds",
        .top = 720,
        .sourceWidth = 1815,
        .targetWidth = 1575,
        .into = intoAsIs(),
        .outOf = outAsIs()},
    // One J/cm is 100 N, so one kilogram-force (9.80665 N) is 0.0980665 J/cm.
    {.source = "opt_jc1",
        .target = "opt_jc2",
        .sourceCaption = "J/cm",
        .symbol = "J/cm",
        .names = "joule al centimetro|joule per centimetro|joule per centimetre"
                 "|joules per centimetre|joule per centimeter|joules per centimeter",
        .top = 1080,
        .sourceWidth = 1815,
        .targetWidth = 1815,
        .into = into(over(real(0.0980665))),
        .outOf = outOf(times(real(0.0980665)))},
    {.source = "opt_jm1",
        .target = "opt_jm2",
        .sourceCaption = "J/m",
        .targetCaption = "J/m ",
        .symbol = "J/m",
        .names = "joule al metro|joule per metro|joule per metre|joules per metre|joule per meter"
                 "|joules per meter",
        .top = 1440,
        .sourceWidth = 1815,
        .targetWidth = 1815,
        .into = into(over(real(9.80665))),
        .outOf = outOf(times(real(9.80665)))},
    {.source = "opt_lbs",
        .target = "opt_lbs2",
        .sourceCaption = "libbra            (lbs)",
        .targetCaption = "libbra             (lbs)",
        .symbol = "lbf",
        .names = "lb|lbs|libbra|libbre|libbra forza|libbre forza|pound|pounds|pound-force"
                 "|pounds-force",
        .top = 1800,
        .sourceWidth = 1935,
        .targetWidth = 1935,
        .into = into(over(real(2.2046223))),
        .outOf = outOf(times(real(2.2046223)))},
    {.source = "opt_oz1",
        .target = "opt_oz2",
        .sourceCaption = "oncia            (oz)",
        .targetCaption = "oncia             (oz)",
        .symbol = "ozf",
        .names = "oz|oncia|once|oncia forza|once forza|ounce|ounces|ounce-force|ounces-force",
        .top = 2160,
        .sourceWidth = 1695,
        .targetWidth = 1935,
        .into = into(over(real(35.27396195))),
        .outOf = outOf(times(real(35.27396195)))},
    {.source = "opt_n1",
        .target = "opt_n2",
        .sourceCaption = "Newton        (N)",
        .targetCaption = "Newton         (N)",
        .symbol = "N",
        .names = "newton|newtons",
        .top = 2520,
        .sourceWidth = 1575,
        .targetWidth = 1695,
        .into = into(over(real(9.80665))),
        .outOf = outOf(times(real(9.80665)))},
    {.source = "opt_kn1",
        .target = "opt_kn2",
        .sourceCaption = "chilonewton (kN)",
        .targetCaption = "chilonewton  (kN)",
        .symbol = "kN",
        .names = "chilonewton|kilonewton|kilonewtons",
        .top = 2880,
        .sourceWidth = 1935,
        .targetWidth = 1575,
        .into = into(over(real(0.00980665))),
        .outOf = outOf(times(real(0.00980665)))},
    {.source = "opt_dyn1",
        .target = "Opt_dyn2",
        .sourceCaption = "dyna             (dyn)",
        .symbol = "dyn",
        .names = "dyna|dina|dine|dyne|dynes",
        .top = 3240,
        .sourceWidth = 1815,
        .targetWidth = 1695,
        .height = 195,
        .into = into(over(real(980665))),
        .outOf = outOf(times(real(980665)))},
};

} // namespace

const Quantity &forze()
{
    static const Quantity quantity{
        .id = "forze",
        .name = "frm_forze",
        .caption = "Forze",
        .button = "btn_Forze",
        .pivot = PivotKind::WindowHeld,
        .rows = rows,
        .layout = {.clientWidth = 4710,
            .clientHeight = 4515,
            .frame1 = {0, 0, 2295, 4095},
            .frame2 = {2400, 0, 2295, 4095},
            .input = {120, 3720, 1935, 285},
            .result = {2520, 3720, 2055, 285},
            .resultOnWindow = true,
            .calcola = {1680, 4200, 1335, 255}},
    };
    return quantity;
}

} // namespace unitavo::quantities
