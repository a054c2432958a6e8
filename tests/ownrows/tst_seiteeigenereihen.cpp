#include "auswahlzustand.h"
#include "dateidialoge.h"
#include "eigenereihenzustand.h"
#include "meldungen.h"
#include "seiteeigenereihen.h"
#include "zwischenablage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class TstSeiteEigeneReihen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void tabsWerdenKommas();
    void lesenUndVerwerfen();
    void klammerfrage();
    void dateiLadenUndSpeichern();
    void einfuegenNurNachJa();
    void leeren();
    void verteilung();

private:
    struct Aufbau
    {
        EigeneReihenZustand zustand;
        AuswahlZustand auswahl;
        SeiteEigeneReihen seite{zustand, auswahl};
        QPlainTextEdit *m1() { return seite.findChild<QPlainTextEdit *>("M1"); }
        QLabel *feld(const char *name) { return seite.findChild<QLabel *>(name); }
        void klick(const char *name)
        {
            if (auto *k = seite.findChild<QAbstractButton *>(name))
                k->click();
            else
                QFAIL(name);
        }
    };
};

void TstSeiteEigeneReihen::tabsWerdenKommas()
{
    Aufbau a;
    a.m1()->setPlainText("3\t8\t15\n22\t31\t40");
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("3,8,15\n22,31,40"));
}

void TstSeiteEigeneReihen::lesenUndVerwerfen()
{
    Aufbau a;
    MeldungenAttrappe meldungen;
    a.m1()->setPlainText("  1,2,3  \n\n4,5,6,\n");
    QVERIFY(a.seite.Verarbeitungsstart());
    QVERIFY(meldungen.eintraege().empty());
    // The memo shows the cleaned text, and the reading still counts (it wrote last).
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("1,2,3\n4,5,6"));
    QVERIFY(a.zustand.EigeneReihenGelesen);
    QCOMPARE(a.feld("PTR2")->text(), QStringLiteral("2"));
    QCOMPARE(a.feld("PPZ2")->text(), QStringLiteral("6"));
    QVERIFY(!a.m1()->isReadOnly());
    a.zustand.EigeneReihenGetestet = true;
    a.m1()->appendPlainText("7,8,9");
    QVERIFY(!a.zustand.EigeneReihenGelesen && !a.zustand.EigeneReihenGetestet);

    // A failed reading reports the message, keeps the cleaned text and shows the row count.
    a.m1()->setPlainText("1,2,3\n4,5,50");
    QVERIFY(!a.seite.Verarbeitungsstart());
    QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Information);
    QVERIFY(meldungen.eintraege()[0].text.startsWith("Die 50 in der 2. Reihe liegt außerhalb"));
    QCOMPARE(a.feld("PTR2")->text(), QStringLiteral("2"));
    QVERIFY(!a.zustand.EigeneReihenGelesen);

    meldungen.leeren();
    a.m1()->clear();
    QVERIFY(!a.seite.Verarbeitungsstart());
    QCOMPARE(meldungen.texte(), QStringList{"Das Textfeld enthält keine Tippreihen.\n\nIch breche erst einmal ab."});
}

void TstSeiteEigeneReihen::klammerfrage()
{
    Aufbau a;
    MeldungenAttrappe meldungen;
    a.m1()->setPlainText("(1,2,3),(4,5,6)");
    meldungen.antworten(Meldungen::Antwort::Nein);
    QVERIFY(!a.seite.Verarbeitungsstart());
    QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::FrageJaNeinAbbrechen);
    meldungen.antworten(Meldungen::Antwort::Ja);
    QVERIFY(a.seite.Verarbeitungsstart());
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("1,2,3\n4,5,6"));
}

void TstSeiteEigeneReihen::dateiLadenUndSpeichern()
{
    QTemporaryDir ordner;
    const QString quelle = ordner.filePath("reihen.txt");
    {
        QFile f(quelle);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBF"
                "1\t2\t3\r\n4\t5\t6\r\n");
    }
    Aufbau a;
    MeldungenAttrappe meldungen;
    DateidialogAttrappe dialoge;
    dialoge.antworten(quelle);
    a.seite.laden();
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("1,2,3\n4,5,6\n"));
    QCOMPARE(a.feld("LDatei")->text(), QStringLiteral("reihen.txt"));

    // Saved as shown, CR LF after every line, also over an existing file without a question.
    const QString ziel = ordner.filePath("aus.csv");
    {
        QFile f(ziel);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    a.m1()->setPlainText("1,2,3\nkeine Reihe");
    dialoge.antworten(ziel);
    a.seite.BSaveClick();
    QFile f(ziel);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1,2,3\r\nkeine Reihe\r\n"));
    QCOMPARE(a.feld("LDatei")->text(), QStringLiteral("aus.csv"));
    QVERIFY(meldungen.eintraege().empty());

    // A file that cannot be written: the reason, and the old file stays.
    dialoge.antworten(ordner.filePath("fehlt/x.csv"));
    a.seite.BSaveClick();
    QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
    QVERIFY(meldungen.eintraege()[0].text.contains("Der Ordner existiert nicht."));

    // Loading over a filled memo asks; Nein keeps it.
    meldungen.leeren();
    meldungen.antworten(Meldungen::Antwort::Nein);
    a.seite.laden();
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("1,2,3\nkeine Reihe"));
    QVERIFY(meldungen.texte().value(0).startsWith("Das Textfeld ist nicht leer. Wenn es überschrieben werden soll"));

    // Ja, then a file that does not exist: the memo stays empty and the user is told.
    meldungen.leeren();
    meldungen.antworten(Meldungen::Antwort::Ja);
    dialoge.antworten(ordner.filePath("gibtsnicht.csv"));
    a.seite.laden();
    QVERIFY(a.m1()->toPlainText().isEmpty());
    QCOMPARE(meldungen.eintraege().size(), std::size_t(2));

    // The empty memo is not saved.
    meldungen.leeren();
    a.seite.BSaveClick();
    QCOMPARE(meldungen.texte(),
             QStringList{"Das Textfeld ist leer. Somit gibt es nichts zu speichern.\n\nIch breche erst einmal ab."});
}

void TstSeiteEigeneReihen::einfuegenNurNachJa()
{
    Aufbau a;
    MeldungenAttrappe meldungen;
    ZwischenablageAttrappe ablage;
    ablage.text = "3\t17\t22\n5\t8\t9";
    a.m1()->setPlainText("alt");
    meldungen.antworten(Meldungen::Antwort::Abbrechen);
    a.seite.einfuegen();
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("alt"));
    meldungen.antworten(Meldungen::Antwort::Ja);
    a.seite.einfuegen();
    QCOMPARE(a.m1()->toPlainText(), QStringLiteral("3,17,22\n5,8,9"));
    QCOMPARE(a.feld("LDatei")->text(), QStringLiteral("...aus Zwischenablage eingefügt..."));
    a.klick("BCopy2");
    QCOMPARE(ablage.text, QStringLiteral("3,17,22\n5,8,9"));
}

void TstSeiteEigeneReihen::leeren()
{
    Aufbau a;
    a.m1()->setPlainText("1,2,3\n1,4,5\n1,6,7");
    a.klick("BVerteilungEin");
    QCOMPARE(a.feld("PBZ22")->text(), QStringLiteral("1"));
    a.seite.garantieZeigen("2");
    a.seite.vergleicheZeigen(3);
    a.klick("BMemoClear");
    QVERIFY(a.m1()->toPlainText().isEmpty());
    QVERIFY(!a.zustand.EigeneReihenGelesen);
    for (const char *name : {"PTR2", "PPZ2", "PBZ22", "PNummerWertEin1"})
        QCOMPARE(a.feld(name)->text(), QStringLiteral("0"));
    QCOMPARE(a.feld("PGarantie")->text(), QStringLiteral("?"));
    QVERIFY(a.feld("LVS")->text().isEmpty());
    QVERIFY(a.feld("LDatei")->text().isEmpty());
}

void TstSeiteEigeneReihen::verteilung()
{
    Aufbau a;
    MeldungenAttrappe meldungen;
    a.m1()->setPlainText("7,12,1\n7,12,2\n12,7,3");
    a.klick("BVerteilungEin");
    QCOMPARE(a.feld("PNummerWertEin7")->text(), QStringLiteral("3"));
    QCOMPARE(a.feld("PNummerWertEin1")->text(), QStringLiteral("1"));
    QCOMPARE(a.feld("PBZ22")->text(), QStringLiteral("2"));
    // Rows that cannot be read leave the board as it was.
    a.m1()->setPlainText("7,12,1\n7,12");
    a.klick("BVerteilungEin");
    QCOMPARE(a.feld("PNummerWertEin7")->text(), QStringLiteral("3"));
    QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
}

QTEST_MAIN(TstSeiteEigeneReihen)
#include "tst_seiteeigenereihen.moc"
