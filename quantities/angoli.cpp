// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plane angles, through the sexagesimal degree. The pivot lives for one press and holds nothing or
// a number of degrees. Every unit but percent slope is one factor, the number of that unit in one
// degree; percent slope goes through the arctangent on the way in and the tangent on the way out.
#include "numbertext.h"
#include "press.h"
#include "quantities.h"

#include <cmath>

namespace unitavo::quantities {

namespace {

// Slopes steeper than 100 percent (45 degrees) are outside what the window converts.
constexpr double kSteepestSlope = 100.0;
constexpr double kSteepestAngle = 45.0;

double pi()
{
    return 4.0 * std::atan(1.0);
}

// Percent slope into degrees: (arctangent(slope / 100) * 180) / pi, in that order. A slope above
// 100 percent is refused: the result box is emptied and the press ends there, so that no target
// writes a conversion of nothing over the empty box. 100 itself and any negative slope are taken.
Fallible<Value> slopeIntoDegrees(PressContext &press)
{
    const Fallible<double> slope = textToNumber(press.text(kInputBox), press.locale());
    if (!slope)
        return slope.failure();
    if (*slope > kSteepestSlope) {
        press.write(kResultBox, QString());
        press.halt();
        return Value();
    }
    // The arctangent keeps any finite slope within 90 degrees either way.
    return Value::fromDouble((std::atan(*slope / 100.0) * 180.0) / pi());
}

// Degrees into percent slope: tangent((pivot * pi) / 180) * 100. An angle above 45 degrees empties
// the result box and is no failure; the empty pivot counts as 0 degrees.
Fallible<QString> degreesIntoSlope(const Value &pivot, PressContext &press)
{
    const Fallible<double> degrees = pivot.toNumber(press.locale());
    if (!degrees)
        return degrees.failure();
    if (*degrees > kSteepestAngle)
        return QString();
    const double slope = std::tan((*degrees * pi()) / 180.0) * 100.0;
    if (!std::isfinite(slope))
        return Failure::OutOfRange;
    return numberToText(slope, press.locale());
}

// Each factor is the number of that unit in one degree, as a decimal approximation rather than an
// exact fraction, so whole numbers of some units land a little off. The whole-number factors out
// of the pivot are held as integers.
constexpr UnitRow rows[] = {
    {.source = "gs",
        .target = "gs2",
        .sourceCaption = "gradi sessagesimali",
        .symbol = "deg",
        .names = "°|grado|gradi|grado sessagesimale|gradi sessagesimali|degree|degrees",
        .top = 240,
        .sourceWidth = 1935,
        .into = into(over(real(1.0))),
        .outOf = outOf(times(int16(1)))},
    {.source = "gc",
        .target = "gc2",
        .sourceCaption = "gradi centesimali",
        .symbol = "gon",
        .names = "grado centesimale|gradi centesimali|gons|grad|grads|gradian|gradians",
        .top = 480,
        .sourceWidth = 1935,
        .into = into(over(real(1.1111111111))),
        .outOf = outOf(times(real(1.1111111111)))},
    {.source = "m",
        .target = "m2",
        .sourceCaption = "minuti",
        .symbol = "arcmin",
        .names = "'|primo|primi|minuto|minuti|minuto d'arco|minuti d'arco|arcminute|arcminutes"
                 "|minute of arc|minutes of arc",
        .top = 720,
        .sourceWidth = 1935,
        .into = into(over(real(60.0))),
        .outOf = outOf(times(int16(60)))},
    {.source = "s",
        .target = "s2",
        .sourceCaption = "secondi",
        .symbol = "arcsec",
        .names = "\"|secondo|secondi|secondo d'arco|secondi d'arco|arcsecond|arcseconds"
                 "|second of arc|seconds of arc",
        .top = 960,
        .sourceWidth = 1935,
        .into = into(over(real(3600.0))),
        .outOf = outOf(times(int16(3600)))},
    {.source = "o",
        .target = "o2",
        .sourceCaption = "ottanti",
        .symbol = "oct",
        .names = "ottante|ottanti|octant|octants",
        .top = 1200,
        .sourceWidth = 1935,
        .into = into(over(real(0.0222222222222))),
        .outOf = outOf(times(real(0.0222222222222)))},
    {.source = "gp",
        .target = "gp2",
        .sourceCaption = "gradi percentuali",
        .symbol = "%",
        .names = "percento|per cento|pendenza|pendenza percentuale|grado percentuale"
                 "|gradi percentuali|percent|per cent|percent slope|percent grade|slope",
        .top = 1440,
        .sourceWidth = 1935,
        .into = into(&slopeIntoDegrees),
        .outOf = outOf(&degreesIntoSlope)},
    {.source = "q",
        .target = "q2",
        .sourceCaption = "quadranti",
        .symbol = "quad",
        .names = "quadrante|quadranti|angolo retto|angoli retti|quadrant|quadrants|right angle"
                 "|right angles",
        .top = 1680,
        .sourceWidth = 1935,
        .into = into(over(real(0.01111111111111))),
        .outOf = outOf(times(real(0.01111111111111)))},
    {.source = "r",
        .target = "r2",
        .sourceCaption = "radianti",
        .symbol = "rad",
        .names = "radiante|radianti|radian|radians",
        .top = 1920,
        .sourceWidth = 1935,
        .into = into(over(real(0.01745329252))),
        .outOf = outOf(times(real(0.01745329252)))},
    {.source = "g",
        .target = "g2",
        .sourceCaption = "giri",
        .symbol = "tr",
        .names = "giro|giri|turn|turns",
        .top = 2160,
        .sourceWidth = 1935,
        .into = into(over(real(0.00277777778))),
        .outOf = outOf(times(real(0.00277777778)))},
    {.source = "se",
        .target = "se2",
        .sourceCaption = "sestanti",
        .symbol = "sext",
        .names = "sestante|sestanti|sextant|sextants",
        .top = 2400,
        .sourceWidth = 1935,
        .into = into(over(real(0.01666666667))),
        .outOf = outOf(times(real(0.01666666667)))},
    {.source = "ri",
        .target = "ri2",
        .sourceCaption = "rivoluzioni",
        .symbol = "rev",
        .names = "rivoluzione|rivoluzioni|revolution|revolutions",
        .top = 2640,
        .sourceWidth = 1935,
        .into = into(over(real(0.00277777778))),
        .outOf = outOf(times(real(0.00277777778)))},
};

} // namespace

const Quantity &angoli()
{
    static const Quantity quantity{
        .id = "angoli",
        .name = "frm_angoli",
        .caption = "Angoli",
        .button = "btn_angoli",
        .pivot = PivotKind::PerPress,
        .rows = rows,
        .layout = {.clientWidth = 4710,
            .clientHeight = 3795,
            .frame1 = {0, 0, 2295, 3375},
            .frame2 = {2400, 0, 2295, 3375},
            .input = {240, 3000, 1935, 285},
            .result = {2520, 3000, 2055, 285},
            .resultOnWindow = true,
            .calcola = {1680, 3480, 1335, 255}},
    };
    return quantity;
}

} // namespace unitavo::quantities
