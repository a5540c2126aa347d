// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accelerations, through the metre per second squared. The pivot lives for one press and starts
// empty, so a press with no source selected shows 0 for every target.
#include "quantities.h"

namespace unitavo::quantities {

namespace {

// Each constant is the number of units in one metre per second squared. Every source divides by
// a double, m/sec² by 1.0, so the pivot is always a number; the factors 1 and 100 on the way out
// are 16-bit integers. The gal is the centimetre per second squared under another name.
constexpr UnitRow rows[] = {
    {.source = "ms",
        .target = "ms2",
        .sourceCaption = "m/sec",
        .symbol = "m/s2",
        .names = "m/sec2|metro al secondo quadrato|metri al secondo quadrato"
                 "|metre per second squared|metres per second squared|meter per second squared"
                 "|meters per second squared",
        .top = 240,
        .sourceWidth = 855,
        .superscript = squared("Label2", "Label7"),
        .into = into(over(real(1.0))),
        .outOf = outOf(times(int16(1)))},
    {.source = "cms",
        .target = "cms2",
        .sourceCaption = "cm/sec",
        .symbol = "cm/s2",
        .names = "cm/sec2|centimetro al secondo quadrato|centimetri al secondo quadrato"
                 "|centimetre per second squared|centimetres per second squared"
                 "|centimeter per second squared|centimeters per second squared",
        .top = 600,
        .sourceWidth = 855,
        .superscript = squared("Label1", "Label8"),
        .into = into(over(real(100.0))),
        .outOf = outOf(times(int16(100)))},
    {.source = "fts",
        .target = "fts2",
        .sourceCaption = "foot/sec",
        .symbol = "ft/s2",
        .names = "foot/sec2|piede al secondo quadrato|piedi al secondo quadrato"
                 "|foot per second squared|feet per second squared",
        .top = 960,
        .sourceWidth = 975,
        .superscript = squared("Label3", "Label9"),
        .into = into(over(real(3.280839895))),
        .outOf = outOf(times(real(3.280839895)))},
    {.source = "g",
        .target = "g2",
        .sourceCaption = "g",
        .symbol = "g",
        .names = "gn|gravità|gravità standard|accelerazione di gravità|standard gravity"
                 "|standard gravities",
        .top = 1320,
        .sourceWidth = 375,
        .into = into(over(real(0.1019716213))),
        .outOf = outOf(times(real(0.1019716213)))},
    {.source = "gal",
        .target = "gal2",
        .sourceCaption = "gal",
        .symbol = "Gal",
        .names = "galileo|galilei",
        .top = 1680,
        .sourceWidth = 615,
        .into = into(over(real(100.0))),
        .outOf = outOf(times(int16(100)))},
    {.source = "ins",
        .target = "ins2",
        .sourceCaption = "inch/sec",
        .symbol = "in/s2",
        .names = "inch/sec2|pollice al secondo quadrato|pollici al secondo quadrato"
                 "|inch per second squared|inches per second squared",
        .top = 2040,
        .sourceWidth = 975,
        .superscript = squared("Label6", "Label12"),
        .into = into(over(real(39.37007874))),
        .outOf = outOf(times(real(39.37007874)))},
    {.source = "mils",
        .target = "mils2",
        .sourceCaption = "mile/sec",
        .symbol = "mi/s2",
        .names = "mile/sec2|miglio al secondo quadrato|miglia al secondo quadrato"
                 "|mile per second squared|miles per second squared",
        .top = 2400,
        .sourceWidth = 975,
        .superscript = squared("Label5", "Label11"),
        .into = into(over(real(0.0006213711922))),
        .outOf = outOf(times(real(0.0006213711922)))},
    {.source = "yds",
        .target = "yds2",
        .sourceCaption = "yard/sec",
        .symbol = "yd/s2",
        .names = "yard/sec2|yard al secondo quadrato|yard per second squared"
                 "|yards per second squared",
        .top = 2760,
        .sourceWidth = 975,
        .superscript = squared("Label4", "Label10"),
        .into = into(over(real(1.093613298))),
        .outOf = outOf(times(real(1.093613298)))},
};

} // namespace

const Quantity &accelerazioni()
{
    static const Quantity quantity{
        .id = "accelerazioni",
        .name = "frm_accelerazioni",
        .caption = "Accelerazioni",
        .button = "btn_accelerazioni",
        .pivot = PivotKind::PerPress,
        .rows = rows,
        .layout = {.clientWidth = 4710,
            .clientHeight = 3960,
            .frame1 = {0, 0, 2295, 3495},
            .frame2 = {2400, 0, 2295, 3495},
            .input = {120, 3120, 1935, 285},
            .result = {120, 3120, 2055, 285},
            .calcola = {1680, 3600, 1335, 255}},
        .sourceFrame = "frame1",
    };
    return quantity;
}

} // namespace unitavo::quantities
