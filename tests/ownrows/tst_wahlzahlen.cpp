#include "wahlzahlen.h"

#include <QTest>

using Fehler = Wahlzahlenlesung::Fehler;

class TstWahlzahlen : public QObject
{
    Q_OBJECT

private slots:
    void auslesen_data();
    void auslesen();
    void ganzzahl_data();
    void ganzzahl();
};

void TstWahlzahlen::auslesen_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<int>("groesste");
    QTest::addColumn<Fehler>("fehler");
    QTest::addColumn<QString>("text"); // what the memo shows afterwards
    QTest::addColumn<std::vector<int>>("zahlen");
    QTest::addColumn<QString>("feld");

    QTest::newRow("Kommas mit Blanks") << "3, 17, 22" << 49 << Fehler::Keiner << "3,17,22" << std::vector{3, 17, 22}
                                       << "";
    QTest::newRow("Blanks über zwei Zeilen")
        << "3 17 22\n5 8" << 49 << Fehler::Keiner << "3 17 22\n5 8" << std::vector{3, 5, 8, 17, 22} << "";
    QTest::newRow("Komma und Blank gemischt")
        << "3,17 22" << 49 << Fehler::GemischteTrenner << "3,17 22" << std::vector<int>{} << "";
    QTest::newRow("Semikolon und Komma gemischt")
        << "3;17,22" << 49 << Fehler::GemischteTrenner << "3;17,22" << std::vector<int>{} << "";
    QTest::newRow("ausserhalb 1 bis 49") << "3,0,50,77" << 49 << Fehler::Keiner << "3,0,50,77" << std::vector{3} << "";
    QTest::newRow("bis zur größten Zahl")
        << "3,0,50,77,100" << 77 << Fehler::Keiner << "3,0,50,77,100" << std::vector{3, 50, 77} << "";
    QTest::newRow("wiederholt") << "7,7,7" << 49 << Fehler::Keiner << "7,7,7" << std::vector{7} << "";
    QTest::newRow("eine Zahl je Zeile") << "3\n17\n\n22\n"
                                        << 49 << Fehler::Keiner << "3\n17\n22" << std::vector{3, 17, 22} << "";
    QTest::newRow("eine einzelne Zahl") << "  7  " << 49 << Fehler::Keiner << "7" << std::vector{7} << "";
    QTest::newRow("Windows-Zeilenenden") << "3,4\r\n5,6\r\n"
                                         << 49 << Fehler::Keiner << "3,4\n5,6" << std::vector{3, 4, 5, 6} << "";
    QTest::newRow("Semikola, Blanks, Leerzeilen")
        << "  12;  5;\n\n;9  " << 49 << Fehler::Keiner << "12;5;\n;9" << std::vector{5, 9, 12} << "";
    QTest::newRow("Vorzeichen") << "-4,+5,6" << 49 << Fehler::Keiner << "-4,+5,6" << std::vector{5, 6} << "";
    QTest::newRow("geschütztes Leerzeichen nach dem Komma zählt als Blank")
        << QString("3,\u00a017") << 49 << Fehler::GemischteTrenner << "3, 17" << std::vector<int>{} << "";
    QTest::newRow("kein Integer") << "3,x,5" << 49 << Fehler::KeineGanzzahl << "3,x,5" << std::vector<int>{} << "x";
    QTest::newRow("zu gross für 32 Bit") << "3;99999999999" << 49 << Fehler::KeineGanzzahl << "3;99999999999"
                                         << std::vector<int>{} << "99999999999";
    QTest::newRow("nur Blanks") << "   \n  " << 49 << Fehler::Keiner << "" << std::vector<int>{} << "";
    QTest::newRow("leer") << "" << 49 << Fehler::Leer << "" << std::vector<int>{} << "";
}

void TstWahlzahlen::auslesen()
{
    QFETCH(QString, eingabe);
    QFETCH(int, groesste);
    QFETCH(Fehler, fehler);
    QFETCH(QString, text);
    QFETCH(std::vector<int>, zahlen);
    QFETCH(QString, feld);
    const Wahlzahlenlesung l = WahlzahlenAuslesen(eingabe, groesste);
    QCOMPARE(l.fehler, fehler);
    QCOMPARE(l.text, text);
    QCOMPARE(l.zahlen, zahlen);
    QCOMPARE(l.feld, feld);
}

void TstWahlzahlen::ganzzahl_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("wert");
    QTest::newRow("Ziffern") << "12" << true << 12;
    QTest::newRow("Blanks davor") << "  12" << true << 12;
    QTest::newRow("Blank danach") << "12 " << false << 0;
    QTest::newRow("Plus") << "+7" << true << 7;
    QTest::newRow("Minus") << "-7" << true << -7;
    QTest::newRow("nur Vorzeichen") << "-" << false << 0;
    QTest::newRow("leer") << "" << false << 0;
    QTest::newRow("Komma") << "2,5" << false << 0;
    QTest::newRow("größter Wert") << "2147483647" << true << 2147483647;
    QTest::newRow("darüber") << "2147483648" << false << 0;
    QTest::newRow("kleinster Wert") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("weit darüber") << "123456789012345678901234567890" << false << 0;
}

void TstWahlzahlen::ganzzahl()
{
    QFETCH(QString, feld);
    QFETCH(bool, gueltig);
    QFETCH(int, wert);
    int gelesen = 0;
    QCOMPARE(GanzzahlLesen(feld, gelesen), gueltig);
    if (gueltig)
        QCOMPARE(gelesen, wert);
}

QTEST_APPLESS_MAIN(TstWahlzahlen)
#include "tst_wahlzahlen.moc"
