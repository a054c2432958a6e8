#include "eigenereihenzustand.h"
#include "reihentext.h"

#include <QtTest>

class TstReihentext : public QObject
{
    Q_OBJECT

private slots:
    void lesen_data();
    void lesen();
    void klammern();
    void doppelteZeilenAlsErstesPaar();
    void uebernehmen();
    void textroutinen();
    void dateien();
};

namespace {

QString Reihentext(const Leseergebnis &e)
{
    QStringList reihen;
    for (const auto &r : e.reihen) {
        QStringList z;
        for (auto v : r)
            z << QString::number(v);
        reihen << z.join(QLatin1Char(' '));
    }
    return reihen.join(QLatin1Char('|'));
}

const QString Ab = QStringLiteral("\n\nIch breche erst einmal ab.");

} // namespace

void TstReihentext::lesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("trenner");
    QTest::addColumn<bool>("gruendlich");
    QTest::addColumn<bool>("doppelt");
    QTest::addColumn<int>("meldung");
    QTest::addColumn<QString>("meldungstext");
    QTest::addColumn<QString>("reihen");

    const int ok = int(Lesemeldung::Keine);
    QTest::newRow("leer") << "" << 0 << true << true << 1 << QString("Das Textfeld enthält keine Tippreihen." + Ab)
                          << "";
    QTest::newRow("eine Zeile") << "3,8,15,22,31,40" << 0 << true << true << 4
                                << QString("Die ersten beiden Zeilen enthalten eine unterschiedliche Anzahl an "
                                           "Zahlen."
                                           + Ab)
                                << "";
    QTest::newRow("Blank nach Komma") << "1, 2, 3\n4, 5, 6" << 0 << true << true << ok << ""
                                      << "1 2 3|4 5 6";
    QTest::newRow("Blank vor Komma") << "1 ,2,3\n4,5,6" << 0 << true << true << 9
                                     << "'1 ' ist kein gültiger Integerwert"
                                     << "";
    QTest::newRow("Komma am Ende gründlich") << "1,2,3,\n4,5,6," << 0 << true << true << ok << ""
                                             << "1 2 3|4 5 6";
    QTest::newRow("Komma am Ende ohne Prüfung")
        << "1,2,3,\n4,5,6," << 0 << false << true << 9 << "'' ist kein gültiger Integerwert"
        << "";
    QTest::newRow("Komma-Zeilen mit Semikolon") << "1,2,3\n4,5,6" << 1 << true << true << 3
                                                << QString("Bitte kontrollieren Sie die Trennzeichen-Wahl." + Ab) << "";
    QTest::newRow("doppelte Zahl") << "3,4,5\n1,2,2" << 0 << true << true << 8
                                   << QString("Die 2 ist mindestens einmal zuviel in der 2. Reihe." + Ab) << "";
    QTest::newRow("Null") << "0,1,2\n3,4,5" << 0 << true << true << 7
                          << QString("Die 0 in der 1. Reihe liegt außerhalb des Gültigkeitsbereichs von 1 bis 49." + Ab)
                          << "";
    QTest::newRow("257 nicht modulo 256") << "3,4,5\n1,2,257" << 0 << true << true << 7
                                          << QString("Die 257 in der 2. Reihe liegt außerhalb des "
                                                     "Gültigkeitsbereichs von 1 bis 49."
                                                     + Ab)
                                          << "";
    QTest::newRow("300") << "300,1,2\n3,4,5" << 0 << true << true << 7 << ""
                         << "";
    QTest::newRow("Feld wie geschrieben") << "1, 77,2\n3,4,5" << 0 << true << true << 7
                                          << QString("Die  77 in der 1. Reihe liegt außerhalb des "
                                                     "Gültigkeitsbereichs von 1 bis 49."
                                                     + Ab)
                                          << "";
    QTest::newRow("negativ") << "-3,1,2\n3,4,5" << 0 << true << true << 7 << ""
                             << "";
    QTest::newRow("zu große Zahl") << "99999999999,1,2\n3,4,5" << 0 << true << true << 9 << ""
                                   << "";
    QTest::newRow("gleiche Zahlen andere Folge") << "3,1,2\n1,2,3" << 0 << true << true << ok << ""
                                                 << "1 2 3|1 2 3";
    QTest::newRow("nur Blanks") << "   \n  \n\n " << 0 << true << true << 3 << ""
                                << "";
    QTest::newRow("eine Zahl") << "7" << 0 << true << true << 3 << ""
                               << "";
    QTest::newRow("identisch") << "1,2,3\n4,5,6\n1,2,3" << 0 << true << true << 6
                               << QString("Die Reihe 1,2,3 in den Zeilen 1 und 3 sind identisch." + Ab) << "";
    QTest::newRow("identisch erlaubt") << "1,2,3\n4,5,6\n1,2,3" << 0 << true << false << ok << ""
                                       << "1 2 3|4 5 6|1 2 3";
    QTest::newRow("dritte Zeile kürzer") << "1,2,3\n4,5,6\n7,8" << 0 << true << true << 5
                                         << QString("In Zeile 3 kann ich keine 3 Zahlen ausmachen." + Ab) << "";
    QTest::newRow("Zeilen nach dem Aufräumen gezählt")
        << "1,2,3\n\n4,5,6\n\n7,8" << 0 << true << true << 5
        << QString("In Zeile 3 kann ich keine 3 Zahlen ausmachen." + Ab) << "";
    QTest::newRow("geschütztes Leerzeichen") << QString("1,\u00a02,3\n4,5,6") << 0 << true << true << ok << ""
                                             << "1 2 3|4 5 6";
    QTest::newRow("Leerzeichen als Trenner") << "1  2   3\n 4 5 6 " << 2 << true << true << ok << ""
                                             << "1 2 3|4 5 6";
    QTest::newRow("Bindestrich") << "10-2-30\n4-5-6" << 3 << true << true << ok << ""
                                 << "2 10 30|4 5 6";
    QTest::newRow("Blanks am Zeilenende ohne Prüfung")
        << "1,2,3 \n4,5,6" << 0 << false << true << 9 << "'3 ' ist kein gültiger Integerwert"
        << "";
    QTest::newRow("CR LF") << "1,2,3\r\n4,5,6\r\n"
                           << 0 << true << true << ok << ""
                           << "1 2 3|4 5 6";
}

void TstReihentext::lesen()
{
    QFETCH(QString, text);
    QFETCH(int, trenner);
    QFETCH(bool, gruendlich);
    QFETCH(bool, doppelt);
    QFETCH(int, meldung);
    QFETCH(QString, meldungstext);
    QFETCH(QString, reihen);

    Leseauftrag a;
    a.text = text;
    a.trenner = TrennerAusIndex(trenner);
    a.gruendlich = gruendlich;
    a.doppeltPruefen = doppelt;
    a.biggestZZ = 49;
    const Leseergebnis e = ReihentextLesen(a);
    QCOMPARE(int(e.meldung), meldung);
    if (!meldungstext.isEmpty())
        QCOMPARE(LesemeldungText(e, 49), meldungstext);
    QCOMPARE(Reihentext(e), reihen);
    if (e.ok()) {
        QCOMPARE(e.zeilen, int(e.reihen.size()));
        QCOMPARE(e.reihengroesse, int(e.reihen.front().size()));
    }
}

void TstReihentext::klammern()
{
    Leseauftrag a;
    a.text = QStringLiteral("(1,2,3),(4,5,6);");
    Leseergebnis e = ReihentextLesen(a);
    QCOMPARE(e.meldung, Lesemeldung::Klammerfrage);
    QVERIFY(LesemeldungText(e, 49).startsWith("Vermute ich richtig, dass die einzelnen Reihen durch Klammern"));

    a.klammern = Klammerantwort::Nein;
    e = ReihentextLesen(a);
    QCOMPARE(e.meldung, Lesemeldung::Abgebrochen);
    QVERIFY(LesemeldungText(e, 49).isEmpty());
    QVERIFY(e.reihen.empty());

    // Over several lines, with blanks; the ";" after the last bracket goes.
    a.text = QStringLiteral("(1, 2, 3),\n(4,5,6),(7,8,9);");
    a.klammern = Klammerantwort::Ja;
    e = ReihentextLesen(a);
    QVERIFY(e.ok());
    QCOMPARE(e.text, QStringLiteral("1,2,3\n4,5,6\n7,8,9"));
    QCOMPARE(Reihentext(e), QStringLiteral("1 2 3|4 5 6|7 8 9"));
}

void TstReihentext::doppelteZeilenAlsErstesPaar()
{
    // Lines 2 and 5 are equal, so are 1 and 4 and 1 and 6: the first a wins, then its first b.
    Leseauftrag a;
    a.text = QStringLiteral("1,2,3\n4,5,6\n7,8,9\n1,2,3\n4,5,6\n1,2,3");
    const Leseergebnis e = ReihentextLesen(a);
    QCOMPARE(e.meldung, Lesemeldung::Identisch);
    QCOMPARE(e.zeile, 1);
    QCOMPARE(e.zeile2, 4);
    // The line count of a later stop is still known.
    QCOMPARE(e.zeilen, -1);
    a.text = QStringLiteral("1,2,3\n4,5,6\n1,2,99");
    QCOMPARE(ReihentextLesen(a).zeilen, 3);
}

void TstReihentext::uebernehmen()
{
    Leseauftrag a;
    a.text = QStringLiteral("7,12,3\n12,7,40\n1,7,12");
    const Leseergebnis e = ReihentextLesen(a);
    QVERIFY(e.ok());
    EigeneReihenZustand z;
    z.EigeneReihenGetestet = true;
    EigeneReihenUebernehmen(z, e);
    QVERIFY(z.EigeneReihenGelesen);
    QCOMPARE(z.EigeneReihenAnzahl, 3);
    QCOMPARE(z.EigeneReihengroesse, 3);
    QCOMPARE(z.EigenePoolAnzahl, 5);
    Verteilungermitteln(z);
    QCOMPARE(z.EigeneBankAnzahl, 2);
    QVERIFY(z.EigeneBankMenge.enthaelt(7) && z.EigeneBankMenge.enthaelt(12));
    QCOMPARE(z.EigeneVerteilung[40], 1);
    EigeneReihenVerwerfen(z);
    QVERIFY(!z.EigeneReihenGelesen && !z.EigeneReihenGetestet);
}

void TstReihentext::textroutinen()
{
    QCOMPARE(XStringReplace("aaaa", "aa", "b", ErsetzenAlle), QStringLiteral("bb"));
    QCOMPARE(XStringReplace("aaa", "aa", "b", ErsetzenAlle), QStringLiteral("ba"));
    QCOMPARE(XStringReplace("a,b,c", ",", ";;", 0), QStringLiteral("a;;b,c"));
    QCOMPARE(XStringReplace("a,b", ",", ",", ErsetzenAlle), QStringLiteral("a,b"));
    QCOMPARE(XStringReplace("", ",", ";", ErsetzenAlle), QString());
    QCOMPARE(XStringReplace("a,b", "", ";", ErsetzenAlle), QStringLiteral("a,b"));
    QCOMPARE(XStringReplace("AbAB", "ab", "x", ErsetzenAlle | ErsetzenOhneGrossKlein), QStringLiteral("xx"));
    QCOMPARE(LeerzeichenKuerzen(" a   b  "), QStringLiteral(" a b "));
    QCOMPARE(ZeichenZaehlen(',', "1,2,,3"), 3);
    QCOMPARE(ZeichenZaehlen(',', ""), 0);
    QCOMPARE(TabsErsetzen("1\t2\t\t3"), QStringLiteral("1,2,,3"));
    std::vector<std::uint8_t> r{40, 3, 22};
    ReiheSortieren(r);
    QCOMPARE(r, (std::vector<std::uint8_t>{3, 22, 40}));
}

void TstReihentext::dateien()
{
    QCOMPARE(TextdateiDekodieren("1,2\r\n"), QStringLiteral("1,2\r\n"));
    QCOMPARE(TextdateiDekodieren("\xEF\xBB\xBF"
                                 "1;\xC3\xA4"),
             QStringLiteral("1;ä"));
    QCOMPARE(TextdateiDekodieren(QByteArray("\xFF\xFE"
                                            "1\0,\0"
                                            "2\0",
                                            8)),
             QStringLiteral("1,2"));
    QCOMPARE(TextdateiDekodieren(QByteArray("\xFE\xFF\0"
                                            "1\0,\0"
                                            "2",
                                            8)),
             QStringLiteral("1,2"));
    QCOMPARE(TextdateiDekodieren("1,\xE4"), QStringLiteral("1,ä")); // Latin-1, no valid UTF-8
    // What the user sees, CR LF after every line, the last one too, no byte-order mark.
    QCOMPARE(MemoFuerDatei("1,2,3\n4 ,x"), QByteArray("1,2,3\r\n4 ,x\r\n"));
    QCOMPARE(MemoFuerDatei("1,2\n"), QByteArray("1,2\r\n"));
    QCOMPARE(MemoFuerDatei("\n1"), QByteArray("\r\n1\r\n"));
}

QTEST_APPLESS_MAIN(TstReihentext)
#include "tst_reihentext.moc"
