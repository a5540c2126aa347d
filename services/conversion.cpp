// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion.h"

namespace unitavo {

namespace {

// The text boxes a source shows beside txt_conv: the numerator and denominator of the
// fractional inch. Empty for every other source.
QList<BoxName> shownBoxes(const Quantity &quantity, const UnitRow &source)
{
    QList<BoxName> boxes;
    if (quantity.inputLayouts.empty() || !quantity.inputLayouts[source.inputLayout].extrasVisible)
        return boxes;
    for (const ExtraControl &extra : quantity.extras) {
        if (extra.kind == ExtraControl::Kind::TextBox)
            boxes.append(BoxName(extra.name));
    }
    return boxes;
}

} // namespace

FractionParts splitFraction(QStringView value)
{
    const QStringView text = value.trimmed();
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return {value.toString(), QString(), QString()};
    // Blanks around the slash do not count: "3 5 / 8" is "3 5/8".
    const QStringView left = text.left(slash).trimmed();
    qsizetype start = left.size(); // of the numerator, after the last blank
    while (start > 0 && !left[start - 1].isSpace())
        --start;
    const QStringView whole = left.left(start).trimmed();
    return {whole.isEmpty() ? QStringLiteral("0") : whole.toString(), left.mid(start).toString(),
        text.mid(slash + 1).trimmed().toString()};
}

BoxTexts typedBoxes(UnitRef from, QStringView value)
{
    BoxTexts boxes;
    const QList<BoxName> shown = shownBoxes(*from.quantity, from.unit());
    if (shown.size() == 2) {
        const FractionParts parts = splitFraction(value);
        boxes.append({kInputBox, parts.whole});
        boxes.append({shown[0], parts.numerator});
        boxes.append({shown[1], parts.denominator});
    } else {
        boxes.append({kInputBox, value.toString()});
    }
    return boxes;
}

ConversionResult convert(const UnitPair &pair, QStringView value, const QLocale &locale)
{
    Q_ASSERT(pair.from.quantity == pair.to.quantity);
    PressInput input;
    input.source = pair.from.row;
    input.target = pair.to.row;
    input.texts = typedBoxes(pair.from, value);
    input.heldPivot = 0.0; // a window-held pivot starts at 0 in a window opened for the first time
    input.locale = locale;
    const PressOutcome outcome = press(*pair.from.quantity, input);

    ConversionResult result;
    if (outcome.failure) {
        result.status = ConversionResult::Status::Failed;
        result.failure = *outcome.failure;
        return result;
    }
    const std::optional<QString> text = outcome.written(kResultBox);
    if (text && !text->isEmpty()) {
        result.status = ConversionResult::Status::Result;
        result.text = *text;
    }
    return result;
}

} // namespace unitavo
