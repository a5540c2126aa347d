// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lengths, through the metre, with a per-press pivot. Beside the twenty decimal units the window
// reads and writes inches as a whole number plus a fraction: three extra controls on the input
// row take the fraction, and the result is shown in thirty-seconds of an inch.
#include "numbertext.h"
#include "press.h"
#include "quantities.h"

#include <cmath>
#include <cstdint>

namespace unitavo::quantities {

namespace {

constexpr double kInchesPerMetre = 39.37007874;

constexpr BoxName kNumeratorBox{"txt_conv1_2"};
constexpr BoxName kDenominatorBox{"txt_conv1_2_2"};

// Fractional input: txt_conv holds the whole number of inches, the two fraction boxes the
// numerator and denominator. An empty fraction box is filled with "0" (a box of blanks is not
// empty). A zero denominator makes the fraction 0 and the numerator is then not read at all.
// The fraction is added with its own sign: whole -2, fraction 1/2 is -1.5 inches.
Fallible<Value> fractionalInches(PressContext &press)
{
    const QLocale &locale = press.locale();
    for (const BoxName box : {kNumeratorBox, kDenominatorBox}) {
        if (press.text(box).isEmpty())
            press.write(box, QStringLiteral("0"));
    }

    const Fallible<double> denominator = textToNumber(press.text(kDenominatorBox), locale);
    if (!denominator)
        return denominator.failure();
    double fraction = 0.0;
    if (*denominator != 0.0) {
        const Fallible<double> numerator = textToNumber(press.text(kNumeratorBox), locale);
        if (!numerator)
            return numerator.failure();
        fraction = *numerator / *denominator;
        if (!std::isfinite(fraction))
            return Failure::OutOfRange;
    }

    const Fallible<double> whole = textToNumber(press.text(kInputBox), locale);
    if (!whole)
        return whole.failure();
    const double metres = (*whole + fraction) / kInchesPerMetre;
    if (!std::isfinite(metres)) // also an overflow of the sum
        return Failure::OutOfRange;
    return Value::fromDouble(metres);
}

// The whole number of the fractional output is a 16-bit signed integer.
bool fitsInt16(double x)
{
    return x >= INT16_MIN && x <= INT16_MAX;
}

// Fractional output: the floor of the inches, one blank, then the remainder in thirty-seconds
// (rounded half to even), with 1/2, 1/4, 1/8 and 1/16 reduced. A remainder that rounds to 32/32
// carries into the whole number and leaves no fraction, so the text ends with the blank.
// A negative length shows its floor and the non-negative remainder: -2.3 in is "-3 22/32".
Fallible<QString> fractionalOutput(const Value &pivot, PressContext &press)
{
    const Fallible<Value> product = pivot.apply(times(real(kInchesPerMetre)), press.locale());
    if (!product)
        return product.failure();
    const double inches = product->number();

    const double floor = std::floor(inches);
    if (!fitsInt16(floor)) // also an infinite product
        return Failure::OutOfRange;
    auto whole = std::int16_t(floor);

    const double remainder = inches - floor;
    const double count = std::nearbyint(remainder * 32.0); // ties to even
    QString fraction;
    if (count != 0.0) {
        const double ratio = 32.0 / count;
        if (ratio == 1.0) {
            if (!fitsInt16(floor + 1.0))
                return Failure::OutOfRange;
            whole = std::int16_t(floor + 1.0);
        } else if (ratio == 2.0) {
            fraction = QStringLiteral("1/2");
        } else if (ratio == 4.0) {
            fraction = QStringLiteral("1/4");
        } else if (ratio == 8.0) {
            fraction = QStringLiteral("1/8");
        } else if (ratio == 16.0) {
            fraction = QStringLiteral("1/16");
        } else {
            fraction = QString::number(int(count)) + QStringLiteral("/32");
        }
    }
    return QString::number(whole) + QLatin1Char(' ') + fraction;
}

// The two input layouts chosen by a click on a source button; every decimal row takes the first.
// The window opens with a third one, txt_conv 1935 wide, which only a reload brings back.
enum InputLayoutIndex { Decimal = 0, Fractional = 1 };

constexpr InputLayout inputLayouts[] = {
    {.inputWidth = 1950, .extrasVisible = false},
    {.inputWidth = 1000, .extrasVisible = true},
};

// The input row's fraction controls, hidden until the fractional inch is clicked. The label comes
// first so that the two boxes are drawn over it where they meet.
constexpr ExtraControl extras[] = {
    {.name = "Label1",
        .kind = ExtraControl::Kind::Label,
        .rect = {1560, 5640, 495, 255},
        .text = " /",
        .fontFamily = "MS Sans Serif",
        .fontPoints = 12.0},
    {.name = kNumeratorBox.name(),
        .kind = ExtraControl::Kind::TextBox,
        .rect = {1200, 5640, 375, 285},
        .accessibleName = "Numeratore della frazione di pollice"},
    {.name = kDenominatorBox.name(),
        .kind = ExtraControl::Kind::TextBox,
        .rect = {1680, 5640, 375, 285},
        .accessibleName = "Denominatore della frazione di pollice"},
};

// Each constant is the number of the row's units in one metre: the input is divided by it, the
// pivot multiplied by it. Divisors are doubles; the factors 10, 100 and 1000 are held as 16-bit
// integers, 1000000 and 1000000000 as 32-bit ones, the others as doubles.
constexpr UnitRow rows[] = {
    {.source = "A1",
        .target = "A2",
        .sourceCaption = "Anmstrong               (A)",
        .symbol = "A",
        .names = "angstrom|angstroms|anmstrong",
        .top = 240,
        .sourceWidth = 2055,
        .into = into(over(real(10000000000.0))),
        .outOf = outOf(times(real(10000000000.0)))},
    {.source = "al1",
        .target = "al2",
        .sourceCaption = "anno luce",
        .symbol = "ly",
        .names = "anno luce|anni luce|light-year|light-years",
        .top = 480,
        .sourceWidth = 1695,
        .into = into(over(real(1.057023411e-16))),
        .outOf = outOf(times(real(1.057023411e-16)))},
    {.source = "cm1",
        .target = "cm2",
        .sourceCaption = "centimetri                (cm)",
        .symbol = "cm",
        .names = "centimetro|centimetri|centimetre|centimetres|centimeter|centimeters",
        .top = 720,
        .sourceWidth = 2055,
        .into = into(over(real(100.0))),
        .outOf = outOf(times(int16(100)))},
    {.source = "km1",
        .target = "km2",
        .sourceCaption = "chilometri                (km)",
        .symbol = "km",
        .names = "chilometro|chilometri|kilometre|kilometres|kilometer|kilometers",
        .top = 960,
        .sourceWidth = 2055,
        .into = into(over(real(0.001))),
        .outOf = outOf(times(real(0.001)))},
    {.source = "kp1",
        .target = "kp2",
        .sourceCaption = "chiloparsec",
        .symbol = "kpc",
        .names = "chiloparsec|kiloparsec|kiloparsecs",
        .top = 1200,
        .sourceWidth = 1695,
        .into = into(over(real(3.24072501e-20))),
        .outOf = outOf(times(real(3.24072501e-20)))},
    {.source = "dm1",
        .target = "dm2",
        .sourceCaption = "decimetri                 (dm)",
        .symbol = "dm",
        .names = "decimetro|decimetri|decimetre|decimetres|decimeter|decimeters",
        .top = 1440,
        .sourceWidth = 2055,
        .into = into(over(real(10.0))),
        .outOf = outOf(times(int16(10)))},
    {.source = "hm1",
        .target = "hm2",
        .sourceCaption = "ettometri                  (hm)",
        .symbol = "hm",
        .names = "ettometro|ettometri|hectometre|hectometres|hectometer|hectometers",
        .top = 1680,
        .sourceWidth = 2055,
        .into = into(over(real(0.01))),
        .outOf = outOf(times(real(0.01)))},
    {.source = "fermi1",
        .target = "fermi2",
        .sourceCaption = "fermi",
        .symbol = "fm",
        .names = "fermi|femtometro|femtometri|femtometre|femtometres|femtometer|femtometers",
        .top = 1920,
        .sourceWidth = 1455,
        .into = into(over(real(1000000000000000.0))),
        .outOf = outOf(times(real(1000000000000000.0)))},
    // The pivot unit: the typed text itself becomes the pivot and is read as a number only when a
    // target step multiplies it, so metre to metre copies the text unchanged.
    {.source = "m1",
        .target = "m2",
        .sourceCaption = "metri                        (m)",
        .symbol = "m",
        .names = "metro|metri|metre|metres|meter|meters",
        .top = 2160,
        .sourceWidth = 2055,
        .into = intoAsIs(),
        .outOf = outAsIs()},
    {.source = "micron1",
        .target = "micron2",
        .sourceCaption = "micron",
        .symbol = "um",
        .names = "µm|micron|microns|micrometro|micrometri|micrometre|micrometres|micrometer"
                 "|micrometers",
        .top = 2400,
        .sourceWidth = 1935,
        .into = into(over(real(1000000.0))),
        .outOf = outOf(times(int32(1000000)))},
    {.source = "mil1",
        .target = "mil2",
        .sourceCaption = "miglia                      (mil)",
        .symbol = "mi",
        .names = "mil|miglio|miglia|miglio terrestre|miglia terrestri|mile|miles|statute mile"
                 "|statute miles",
        .top = 2640,
        .sourceWidth = 2055,
        .into = into(over(real(0.0006213711922))),
        .outOf = outOf(times(real(0.0006213711922)))},
    {.source = "mn1",
        .target = "mn2",
        .sourceCaption = "miglia nautiche",
        .symbol = "nmi",
        .names = "miglio nautico|miglia nautiche|nautical mile|nautical miles",
        .top = 2880,
        .sourceWidth = 1935,
        .into = into(over(real(0.0005399568035))),
        .outOf = outOf(times(real(0.0005399568035)))},
    {.source = "mm1",
        .target = "mm2",
        .sourceCaption = "millimetri                  (mm)",
        .symbol = "mm",
        .names = "millimetro|millimetri|millimetre|millimetres|millimeter|millimeters",
        .top = 3120,
        .sourceWidth = 2055,
        .into = into(over(real(1000.0))),
        .outOf = outOf(times(int16(1000)))},
    {.source = "nm1",
        .target = "nm2",
        .sourceCaption = "nanometri                (nm)",
        .symbol = "nm",
        .names = "nanometro|nanometri|nanometre|nanometres|nanometer|nanometers",
        .top = 3360,
        .sourceWidth = 2055,
        .into = into(over(real(1000000000.0))),
        .outOf = outOf(times(int32(1000000000)))},
    {.source = "parsec1",
        .target = "parsec2",
        .sourceCaption = "parsec",
        .symbol = "pc",
        .names = "parsec|parsecs",
        .top = 3600,
        .sourceWidth = 1935,
        .into = into(over(real(3.24072501e-17))),
        .outOf = outOf(times(real(3.24072501e-17)))},
    {.source = "pica1",
        .target = "pica2",
        .sourceCaption = "pica",
        .symbol = "pica",
        .names = "picas",
        .top = 3840,
        .sourceWidth = 1695,
        .into = into(over(real(236.2204724))),
        .outOf = outOf(times(real(236.2204724)))},
    {.source = "ft1",
        .target = "ft2",
        .sourceCaption = "piedi                        (ft)",
        .symbol = "ft",
        .names = "piede|piedi|foot|feet",
        .top = 4080,
        .sourceWidth = 2055,
        .into = into(over(real(3.280839895))),
        .outOf = outOf(times(real(3.280839895)))},
    {.source = "in1",
        .target = "in2",
        .sourceCaption = "pollici  (decimale)     (in)",
        .symbol = "in",
        .names = "pollice|pollici|pollice decimale|pollici decimali|pollici (decimale)|inch"
                 "|inches|decimal inch|decimal inches",
        .top = 4320,
        .sourceWidth = 2055,
        .into = into(over(real(kInchesPerMetre))),
        .outOf = outOf(times(real(kInchesPerMetre)))},
    {.source = "ua1",
        .target = "ua2",
        .sourceCaption = "unità astronomiche",
        .symbol = "au",
        .names = "ua|unità astronomica|unità astronomiche|astronomical unit|astronomical units",
        .top = 4560,
        .sourceWidth = 1935,
        .into = into(over(real(6.684491979e-12))),
        .outOf = outOf(times(real(6.684491979e-12)))},
    {.source = "yd1",
        .target = "yd2",
        .sourceCaption = "yard                         (yd)",
        .symbol = "yd",
        .names = "yard|yards|iarda|iarde",
        .top = 4800,
        .sourceWidth = 2055,
        .into = into(over(real(1.093613298))),
        .outOf = outOf(times(real(1.093613298)))},
    // Inches as a whole number plus a fraction, both ways through the decimal inch's constant.
    {.source = "in_1_2",
        .target = "in_2_hexad",
        .sourceCaption = "pollici  (frazionario)   (in)",
        .targetCaption = "pollici (frazionario)    (in)",
        .symbol = "in-frac",
        .names = "pollice frazionario|pollici frazionari|pollici (frazionario)|fractional inch"
                 "|fractional inches",
        .top = 5040,
        .sourceWidth = 2055,
        .into = into(fractionalInches),
        .outOf = outOf(fractionalOutput),
        .inputLayout = Fractional},
};

} // namespace

const Quantity &lunghezze()
{
    static const Quantity quantity{
        .id = "lunghezze",
        .name = "frm_lunghezze",
        .caption = "Lunghezze",
        .button = "btn_lunghezze",
        .pivot = PivotKind::PerPress,
        .rows = rows,
        .layout = {.clientWidth = 4680,
            .clientHeight = 6645,
            .frame1 = {0, 0, 2295, 6135},
            .frame2 = {2400, 0, 2295, 6135},
            .input = {120, 5640, 1935, 285},
            .result = {120, 5640, 2055, 285},
            .resultOnWindow = false,
            .calcola = {1800, 6240, 1335, 255}},
        .extras = extras,
        .inputLayouts = inputLayouts,
    };
    return quantity;
}

} // namespace unitavo::quantities
