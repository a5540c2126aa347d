// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Densities, through the kilogram per cubic metre (the gram per litre). The pivot lives for one
// press and starts empty.
#include "quantities.h"

namespace unitavo::quantities {

namespace {

// Each constant is the number of units in one kilogram per cubic metre. Every source divides by a
// double, kg/m³ by 1.0, so the pivot is always a number. The kg/m³ target writes the pivot itself
// (nothing for the empty pivot); the other whole-number factors 1, 1000 and 1000000 are held as
// integers and give 0 with the empty pivot, like the doubles do.
constexpr UnitRow rows[] = {
    {.source = "kgmc",
        .target = "kgmc2",
        .sourceCaption = "kg/m",
        .symbol = "kg/m3",
        .names = "chilogrammo al metro cubo|chilogrammi al metro cubo|kilogram per cubic metre"
                 "|kilograms per cubic metre|kilogram per cubic meter|kilograms per cubic meter",
        .top = 240,
        .sourceWidth = 735,
        .superscript = cubed("Label2", "Label13"),
        .into = into(over(real(1.0))),
        .outOf = outAsIs()},
    {.source = "gcc",
        .target = "gcc2",
        .sourceCaption = "g/cc",
        .symbol = "g/cc",
        .names = "g/cm3|grammo al centimetro cubo|grammi al centimetro cubo"
                 "|gram per cubic centimetre|grams per cubic centimetre|gram per cubic centimeter"
                 "|grams per cubic centimeter",
        .top = 480,
        .sourceWidth = 735,
        .targetWidth = 2055,
        .into = into(over(real(0.001))),
        .outOf = outOf(times(real(0.001)))},
    {.source = "gl",
        .target = "gl2",
        .sourceCaption = "g/l",
        .symbol = "g/l",
        .names = "grammo al litro|grammi al litro|gram per litre|grams per litre|gram per liter"
                 "|grams per liter",
        .top = 720,
        .sourceWidth = 2055,
        .into = into(over(real(1.0))),
        .outOf = outOf(times(int16(1)))},
    {.source = "gmc",
        .target = "gmc2",
        .sourceCaption = "g/m",
        .symbol = "g/m3",
        .names = "grammo al metro cubo|grammi al metro cubo|gram per cubic metre"
                 "|grams per cubic metre|gram per cubic meter|grams per cubic meter",
        .top = 960,
        .sourceWidth = 615,
        .superscript = cubed("Label4", "Label14"),
        .into = into(over(real(1000.0))),
        .outOf = outOf(times(int16(1000)))},
    {.source = "gmmc",
        .target = "gmmc2",
        .sourceCaption = "g/mm",
        .symbol = "g/mm3",
        .names = "grammo al millimetro cubo|grammi al millimetro cubo|gram per cubic millimetre"
                 "|grams per cubic millimetre|gram per cubic millimeter"
                 "|grams per cubic millimeter",
        .top = 1200,
        .sourceWidth = 735,
        .superscript = cubed("Label5", "Label15"),
        .into = into(over(real(1e-06))),
        .outOf = outOf(times(real(1e-06)))},
    {.source = "kgcc",
        .target = "kgcc2",
        .sourceCaption = "kg/cc",
        .symbol = "kg/cc",
        .names = "kg/cm3|chilogrammo al centimetro cubo|chilogrammi al centimetro cubo"
                 "|kilogram per cubic centimetre|kilograms per cubic centimetre"
                 "|kilogram per cubic centimeter|kilograms per cubic centimeter",
        .top = 1440,
        .sourceWidth = 735,
        .targetWidth = 2055,
        .into = into(over(real(1e-06))),
        .outOf = outOf(times(real(1e-06)))},
    {.source = "microl",
        .target = "microl2",
        .sourceCaption = "microgrammi/litro",
        .symbol = "ug/l",
        .names = "µg/l|microgrammi/litro|microgrammo al litro|microgrammi al litro"
                 "|microgram per litre|micrograms per litre|microgram per liter"
                 "|micrograms per liter",
        .top = 1680,
        .sourceWidth = 2055,
        .into = into(over(real(1000000.0))),
        .outOf = outOf(times(real(1000000.0)))},
    {.source = "mgcc",
        .target = "mgcc2",
        .sourceCaption = "mg/cc",
        .symbol = "mg/cc",
        .names = "mg/cm3|milligrammo al centimetro cubo|milligrammi al centimetro cubo"
                 "|milligram per cubic centimetre|milligrams per cubic centimetre"
                 "|milligram per cubic centimeter|milligrams per cubic centimeter",
        .top = 1920,
        .sourceWidth = 855,
        .targetWidth = 2055,
        .into = into(over(real(1.0))),
        .outOf = outOf(times(int16(1)))},
    {.source = "mgl",
        .target = "mgl2",
        .sourceCaption = "mg/l",
        .symbol = "mg/l",
        .names = "milligrammo al litro|milligrammi al litro|milligram per litre"
                 "|milligrams per litre|milligram per liter|milligrams per liter",
        .top = 2160,
        .sourceWidth = 2055,
        .into = into(over(real(1000.0))),
        .outOf = outOf(times(int16(1000)))},
    {.source = "mgmc",
        .target = "mgmc2",
        .sourceCaption = "mg/m",
        .symbol = "mg/m3",
        .names = "milligrammo al metro cubo|milligrammi al metro cubo|milligram per cubic metre"
                 "|milligrams per cubic metre|milligram per cubic meter"
                 "|milligrams per cubic meter",
        .top = 2400,
        .sourceWidth = 735,
        .superscript = cubed("Label3", "Label6"),
        .into = into(over(real(1000000.0))),
        .outOf = outOf(times(int32(1000000)))},
    {.source = "mgmmc",
        .target = "mgmmc2",
        .sourceCaption = "mg/mm",
        .symbol = "mg/mm3",
        .names = "milligrammo al millimetro cubo|milligrammi al millimetro cubo"
                 "|milligram per cubic millimetre|milligrams per cubic millimetre"
                 "|milligram per cubic millimeter|milligrams per cubic millimeter",
        .top = 2640,
        .sourceWidth = 855,
        .superscript = cubed("Label7", "Label16"),
        .into = into(over(real(0.001))),
        .outOf = outOf(times(real(0.001)))},
    {.source = "ozftc",
        .target = "ozftc2",
        .sourceCaption = "oz/ft",
        .symbol = "oz/ft3",
        .names = "oncia al piede cubo|once al piede cubo|ounce per cubic foot"
                 "|ounces per cubic foot",
        .top = 2880,
        .sourceWidth = 735,
        .superscript = cubed("Label8", "Label17"),
        .into = into(over(real(0.9988473692))),
        .outOf = outOf(times(real(0.9988473692)))},
    {.source = "ozgal",
        .target = "ozgal2",
        .sourceCaption = "oz/gal",
        .symbol = "oz/gal",
        .names = "oncia al gallone|once al gallone|ounce per gallon|ounces per gallon",
        .top = 3120,
        .sourceWidth = 2055,
        .targetWidth = 1575,
        .into = into(over(real(0.1335264712))),
        .outOf = outOf(times(real(0.1335264712)))},
    {.source = "ozinc",
        .target = "ozinc2",
        .sourceCaption = "oz/in",
        .symbol = "oz/in3",
        .names = "oncia al pollice cubo|once al pollice cubo|ounce per cubic inch"
                 "|ounces per cubic inch",
        .top = 3360,
        .sourceWidth = 735,
        .superscript = cubed("Label9", "Label18"),
        .into = into(over(real(0.000578036672))),
        .outOf = outOf(times(real(0.000578036672)))},
    {.source = "lbftc",
        .target = "lbftc2",
        .sourceCaption = "lb/ft",
        .symbol = "lb/ft3",
        .names = "libbra al piede cubo|libbre al piede cubo|pound per cubic foot"
                 "|pounds per cubic foot",
        .top = 3600,
        .sourceWidth = 615,
        .superscript = cubed("Label10", "Label19"),
        .into = into(over(real(0.06242796058))),
        .outOf = outOf(times(real(0.06242796058)))},
    {.source = "lbgal",
        .target = "lbgal2",
        .sourceCaption = "lb/gal",
        .symbol = "lb/gal",
        .names = "libbra al gallone|libbre al gallone|pound per gallon|pounds per gallon",
        .top = 3840,
        .sourceWidth = 2055,
        .into = into(over(real(0.008345404452))),
        .outOf = outOf(times(real(0.008345404452)))},
    // A pound (0.45359237 kg) per cubic inch ((0.0254 m)³) is 27679.9047 kg/m³, so one kg/m³ is
    // 3.6127292e-05 lb/in³.
    {.source = "lbinc",
        .target = "lbinc2",
        .sourceCaption = "lb/in",
        .symbol = "lb/in3",
        .names = "libbra al pollice cubo|libbre al pollice cubo|pound per cubic inch"
                 "|pounds per cubic inch",
        .top = 4080,
        .sourceWidth = 615,
        .superscript = cubed("Label11", "Label20"),
        .into = into(over(real(3.6127292e-05))),
        .outOf = outOf(times(real(3.6127292e-05)))},
    {.source = "tonydc",
        .target = "tonydc2",
        .sourceCaption = "ton/yd",
        .symbol = "ton/yd3",
        .names = "tonnellata corta alla yarda cuba|tonnellate corte alla yarda cuba"
                 "|short ton per cubic yard|short tons per cubic yard|ton per cubic yard"
                 "|tons per cubic yard",
        .top = 4320,
        .sourceWidth = 855,
        .superscript = cubed("Label12", "Label21"),
        .into = into(over(real(0.0008427774678))),
        .outOf = outOf(times(real(0.0008427774678)))},
};

} // namespace

const Quantity &massavolumica()
{
    static const Quantity quantity{
        .id = "massavolumica",
        .name = "frm_massavolumica",
        .caption = "Massa Volumica",
        .button = "btn_massavolumica",
        .pivot = PivotKind::PerPress,
        .rows = rows,
        .layout = {.clientWidth = 4680,
            .clientHeight = 5490,
            .frame1 = {0, 0, 2295, 5055},
            .frame2 = {2400, 0, 2295, 5055},
            .input = {240, 4680, 1935, 285},
            .result = {120, 4680, 2055, 285},
            .calcola = {1680, 5160, 1335, 255}},
    };
    return quantity;
}

} // namespace unitavo::quantities
