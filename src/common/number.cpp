#include "number.h"

double textnumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString digits;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        digits.append(text[i++]);
    bool any = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 0x80) {
        digits.append(text[i++]);
        any = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        digits.append(text[i++]);
        while (i < n && text[i].isDigit() && text[i].unicode() < 0x80) {
            digits.append(text[i++]);
            any = true;
        }
    }
    if (!any)
        return 0;
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok ? value : 0;
}
