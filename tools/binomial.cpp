#include "binomial.h"

#include "routinen.h"

#include <algorithm>

NueberKErgebnis NueberKBerechnen(const QString &nText, const QString &kText)
{
    bool gelesen = false;
    int n = nText.trimmed().toInt(&gelesen);
    if (!gelesen)
        n = 0;
    int k = kText.trimmed().toInt(&gelesen);
    if (!gelesen)
        k = 0;
    if (n <= 0)
        return {NueberKPruefung::NNichtPositiv, 0};
    if (n < k)
        return {NueberKPruefung::NKleinerK, 0};
    // A negative k cannot be typed; should one come, it counts like an empty field.
    return {NueberKPruefung::Ok, NueberK128(n, std::max(k, 0))};
}

QString NueberKMeldung(NueberKPruefung pruefung)
{
    switch (pruefung) {
    case NueberKPruefung::Ok:
        break;
    case NueberKPruefung::NNichtPositiv:
        return QStringLiteral("Sie müssen für \"n\" eine Zahl größer Null eingeben.\n\nIch breche erst einmal ab.");
    case NueberKPruefung::NKleinerK:
        return QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.\n\nIch breche erst einmal ab.");
    }
    return QString();
}

QString MitTausenderTrennern(unsigned __int128 wert, const QLocale &locale)
{
    const QString trenner =
        locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? QString() : locale.groupSeparator();
    // The digits from the right, a separator before every further group of three.
    QString text;
    int stellen = 0;
    do {
        if (stellen > 0 && stellen % 3 == 0)
            text.prepend(trenner);
        text.prepend(QChar(u'0' + int(wert % 10)));
        wert /= 10;
        ++stellen;
    } while (wert != 0);
    return text;
}
