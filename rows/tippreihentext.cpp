#include "tippreihentext.h"

QByteArray TippreihenCsv(const std::vector<QStringList> &zellen)
{
    if (zellen.empty())
        return {};
    qsizetype spalten = 0;
    while (spalten < zellen[0].size() && !zellen[0][spalten].isEmpty())
        ++spalten;
    QByteArray daten;
    for (const QStringList &reihe : zellen) {
        QStringList teile;
        for (qsizetype c = 0; c < spalten; ++c) {
            QString zelle = c < reihe.size() ? reihe[c] : QString();
            zelle.remove(QLatin1Char(' '));
            teile << zelle;
        }
        daten += teile.join(QLatin1Char(';')).toUtf8();
        daten += "\r\n";
    }
    return daten;
}

QString TippreihenZwischenablage(const std::vector<QStringList> &zellen, int breite)
{
    QString text;
    for (const QStringList &reihe : zellen) {
        QStringList teile;
        for (int c = 0; c < breite; ++c)
            teile << (c < reihe.size() ? reihe[c] : QString());
        text += teile.join(QLatin1Char(','));
        text += QStringLiteral("\r\n");
    }
    return text;
}
