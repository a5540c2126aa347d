// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "matchkey.h"

#include <algorithm>

namespace unitavo {

QString matchKey(QStringView text)
{
    // Compatibility decomposition splits accented letters into letter and accent, and turns "²"
    // into "2" and the micro sign into mu. Most texts are plain ASCII and need none of it.
    const bool ascii
        = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString decomposed
        = ascii ? QString() : text.toString().normalized(QString::NormalizationForm_KD);
    const QStringView source = ascii ? text : QStringView(decomposed);
    QString key(source.size(), Qt::Uninitialized);
    QChar *out = key.data();
    qsizetype size = 0;
    bool blank = false;
    for (QChar c : source) {
        if (c == u'^' || c == u'.' || (!ascii && c.category() == QChar::Mark_NonSpacing))
            continue;
        if (c == u' ' || c == u'-' || c == u'_' || c == u'(' || c == u')'
            || (c.unicode() < 0x80 ? c.unicode() >= 9 && c.unicode() <= 13 : c.isSpace())) {
            blank = size > 0 && out[size - 1] != u'/';
            continue;
        }
        if (c == u'\u2019' || c == u'\u2018' || c == u'`')
            c = u'\'';
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
        if (blank && c != u'/')
            out[size++] = u' ';
        blank = false;
        out[size++] = c;
    }
    key.truncate(size);
    return ascii ? key : key.toCaseFolded();
}

} // namespace unitavo
