#include "kbwzustand.h"
#include "meldungen.h"
#include "zahlenwahl.h"
#include "zwischen.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

class TstZwischen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsUndTexte();
    void freigaben();
    void auslesen_data();
    void auslesen();
    void gemischteTrenner();
    void keinGanzzahl();
    void leeresTextfeld();
    void rueckgaengigStelltGenauWiederHer();
    void transferOhneZahlen();
    void transferNurAufLeerenPool();
    void transferZahlFuerZahl();
    void bleibtBeimSchliessen();

private:
    template<typename T = QPushButton>
    T *finde(const char *name)
    {
        T *w = m_fenster->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("missing %s", name);
        return w;
    }
    QStringList liste()
    {
        QStringList l;
        for (int i = 0; i < finde<QListWidget>("L1")->count(); ++i)
            l.append(finde<QListWidget>("L1")->item(i)->text());
        return l;
    }
    void eingeben(const QString &text) { finde<QPlainTextEdit>("M1")->setPlainText(text); }
    void klick(const char *name) { QTest::mouseClick(finde(name), Qt::LeftButton); }

    KbwZustand m_zustand;
    std::unique_ptr<MeldungenAttrappe> m_meldungen;
    std::unique_ptr<TFZwischen> m_fenster;
};

void TstZwischen::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstZwischen::init()
{
    m_zustand = KbwZustand();
    m_meldungen = std::make_unique<MeldungenAttrappe>();
    m_fenster = std::make_unique<TFZwischen>(m_zustand, m_zustand);
    m_fenster->show();
}

void TstZwischen::cleanup()
{
    m_fenster.reset();
    m_meldungen.reset();
}

void TstZwischen::controlsUndTexte()
{
    QCOMPARE(m_fenster->windowTitle(), QString("Kombiwerk"));
    QCOMPARE(m_fenster->size(), QSize(463, 325));
    QCOMPARE(m_fenster->minimumSize(), m_fenster->maximumSize());
    QVERIFY(!m_fenster->isModal());
    QCOMPARE(finde<QLabel>("LTitel")->text(), QString("Copy & Paste-Tool"));
    QCOMPARE(finde<QLabel>("Label3")->text(),
             QString("In das Texfeld können über die Zwischenablage Wahlzahlen eingefügt werden. Um diese auslesen zu "
                     "können, müssen sie jeweils durch Komma. Semikolon oder Leerzeichen voneinander getrennt sein."));
    QCOMPARE(finde<QLabel>("LAnz")->text(), QString("0"));
    const QList<QPair<const char *, QString>> knoepfe = {
        {"BAuslesen", "Auslesen"}, {"BTransfer", "Transfer"}, {"BUndo", "Rückgängig"}, {"BDel", "Textfeld löschen"}};
    for (const auto &[name, text] : knoepfe) {
        QCOMPARE(finde(name)->text(), text);
        QVERIFY2(!finde(name)->isEnabled(), name);
    }
    QCOMPARE(finde("BClose2")->text(), QString("Schließen"));
    QVERIFY(!finde<QToolButton>("BClose1")->icon().isNull());
    // Every control lies inside the window, and every caption fits its button, also once the
    // list needs a scroll bar.
    for (int n = 1; n <= 30; ++n)
        finde<QListWidget>("L1")->addItem(QString::number(n));
    QApplication::processEvents();
    for (QWidget *w : m_fenster->findChildren<QWidget *>()) {
        if (w->isVisible() && w->parentWidget() == m_fenster.get())
            QVERIFY2(m_fenster->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
    for (QPushButton *k : m_fenster->findChildren<QPushButton *>())
        QVERIFY2(k->width() >= k->sizeHint().width(), qPrintable(k->objectName()));
}

void TstZwischen::freigaben()
{
    eingeben("3, 4");
    QVERIFY(finde("BAuslesen")->isEnabled());
    QVERIFY(finde("BDel")->isEnabled());
    QVERIFY(!finde("BUndo")->isEnabled());
    QVERIFY(!finde("BTransfer")->isEnabled());

    klick("BDel");
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), QString());
    QCOMPARE(m_fenster->puffer(), QString("3, 4"));
    QVERIFY(!finde("BAuslesen")->isEnabled());
    QVERIFY(!finde("BDel")->isEnabled());
    QVERIFY(finde("BUndo")->isEnabled());

    klick("BUndo");
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), QString("3, 4"));
    QCOMPARE(m_fenster->puffer(), QString());
    QVERIFY(!finde("BUndo")->isEnabled());
    QVERIFY(finde("BAuslesen")->isEnabled());

    klick("BAuslesen");
    QVERIFY(finde("BTransfer")->isEnabled());
    QVERIFY(finde("BUndo")->isEnabled());
    QVERIFY(m_meldungen->texte().isEmpty());
}

void TstZwischen::auslesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("groesste");
    QTest::addColumn<QStringList>("gelesen");
    QTest::addColumn<QString>("danach");

    QTest::newRow("3, 17, 22") << "3, 17, 22" << 49 << QStringList{"3", "17", "22"} << "3,17,22";
    QTest::newRow("zwei Zeilen mit Blanks")
        << "3 17 22\n5 8" << 49 << QStringList{"3", "5", "8", "17", "22"} << "3 17 22\n5 8";
    QTest::newRow("3,0,50,77 bei 49") << "3,0,50,77" << 49 << QStringList{"3"} << "3,0,50,77";
    QTest::newRow("3,0,50,77 bei 77") << "3,0,50,77" << 77 << QStringList{"3", "50", "77"} << "3,0,50,77";
    QTest::newRow("7,7,7") << "7,7,7" << 49 << QStringList{"7"} << "7,7,7";
    QTest::newRow("eine Zahl je Zeile") << "12\n 5\n\n40" << 49 << QStringList{"5", "12", "40"} << "12\n 5\n40";
    QTest::newRow("nichts Brauchbares") << "0;0" << 49 << QStringList{} << "0;0";
}

void TstZwischen::auslesen()
{
    QFETCH(QString, text);
    QFETCH(int, groesste);
    QFETCH(QStringList, gelesen);
    QFETCH(QString, danach);
    m_zustand.biggestZZ = groesste;
    eingeben(text);
    klick("BAuslesen");
    QVERIFY(m_meldungen->texte().isEmpty());
    QCOMPARE(liste(), gelesen);
    QCOMPARE(finde<QLabel>("LAnz")->text(), QString::number(gelesen.size()));
    QCOMPARE(finde("BTransfer")->isEnabled(), !gelesen.isEmpty());
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), danach);
    QCOMPARE(m_fenster->puffer(), text);
}

void TstZwischen::gemischteTrenner()
{
    eingeben("1, 2");
    klick("BAuslesen");
    QCOMPARE(liste().size(), 2);
    eingeben("  3,17 22 ");
    klick("BAuslesen");
    QCOMPARE(m_meldungen->texte(),
             QStringList{"Das Zahlenfeld enthält unterschiedliche Trennzeiche.\n\nIch muss abbrechen."});
    QCOMPARE(m_meldungen->eintraege().front().art, Meldungen::Art::Fehler);
    // Nothing read; the memo keeps its clean-up, the buffer the text as pasted.
    QVERIFY(liste().isEmpty());
    QCOMPARE(finde<QLabel>("LAnz")->text(), QString("0"));
    QVERIFY(!finde("BTransfer")->isEnabled());
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), QString("3,17 22"));
    QCOMPARE(m_fenster->puffer(), QString("  3,17 22 "));
}

void TstZwischen::keinGanzzahl()
{
    eingeben("3;4a;5");
    klick("BAuslesen");
    QCOMPARE(m_meldungen->texte(), QStringList{"'4a' ist kein gültiger Integerwert"});
    QVERIFY(liste().isEmpty());
}

void TstZwischen::leeresTextfeld()
{
    m_fenster->BAuslesenClick();
    QCOMPARE(m_meldungen->texte(), QStringList{"Das Textfeld enthält keine Tippreihen.\n\nIch breche erst einmal ab."});
    QCOMPARE(m_meldungen->eintraege().front().art, Meldungen::Art::Information);
    QVERIFY(!finde("BUndo")->isEnabled());
}

void TstZwischen::rueckgaengigStelltGenauWiederHer()
{
    const QString eingefuegt = QString("  Ziehung:  3,  17,\n\n 22 \u00a0\n");
    eingeben(eingefuegt);
    const QString angezeigt = finde<QPlainTextEdit>("M1")->toPlainText();
    klick("BAuslesen");
    QVERIFY(finde<QPlainTextEdit>("M1")->toPlainText() != angezeigt);
    klick("BUndo");
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), angezeigt);
    QVERIFY(!finde("BUndo")->isEnabled());
}

void TstZwischen::transferOhneZahlen()
{
    QSignalSpy zahlen(m_fenster.get(), &TFZwischen::wahlzahlUebertragen);
    m_fenster->BTransferClick();
    QCOMPARE(m_meldungen->texte(),
             QStringList{"Ich sehe keine Zahlen, die ich transferieren könnte.\n\nIch muss leider abbrechen."});
    QCOMPARE(zahlen.count(), 0);
}

void TstZwischen::transferNurAufLeerenPool()
{
    m_zustand.PoolSoll = 6;
    m_zustand.Poolmenge.hinzufuegen(30);
    m_zustand.PoolAnzahl = 1;
    eingeben("3 5 8");
    klick("BAuslesen");
    QSignalSpy zahlen(m_fenster.get(), &TFZwischen::wahlzahlUebertragen);
    klick("BTransfer");
    QCOMPARE(m_meldungen->texte(),
             QStringList{"Bitte sorgen Sie erst für klaren Tisch in dem Bereich in den "
                         "übertragen werden soll.\n\nIch muss leider abbrechen."});
    QCOMPARE(m_zustand.PoolSoll, 6);
    QTest::qWait(60);
    QCOMPARE(zahlen.count(), 0);

    // After clearing the board the transfer works; bankers on the board do not stand in its way.
    m_meldungen->leeren();
    ZahlenLoeschen(m_zustand);
    m_zustand.Bankzahlmenge.hinzufuegen(44);
    m_zustand.BankzahlenAnzahl = 1;
    klick("BTransfer");
    QVERIFY(m_meldungen->texte().isEmpty());
    QCOMPARE(m_zustand.PoolSoll, 3);
    QTRY_COMPARE(zahlen.count(), 3);
}

void TstZwischen::transferZahlFuerZahl()
{
    // Wired as the main window wires it: each number is a click on the board.
    connect(m_fenster.get(), &TFZwischen::wahlzahlUebertragen, this, [this](int n) { Zahlenwahl(m_zustand, n); });
    QSignalSpy zahlen(m_fenster.get(), &TFZwischen::wahlzahlUebertragen);
    QSignalSpy fertig(m_fenster.get(), &TFZwischen::transferBeendet);
    m_zustand.PoolSoll = 2; // the chosen system needs fewer numbers than are transferred
    eingeben("22; 3; 17; 9; 41");
    klick("BAuslesen");
    klick("BTransfer");
    // The first number is there at once, the others follow without blocking the window.
    QCOMPARE(zahlen.count(), 1);
    QCOMPARE(zahlen.at(0).at(0).toInt(), 3);
    QVERIFY(m_fenster->transferLaeuft());
    QVERIFY(!finde("BTransfer")->isEnabled());
    klick("BTransfer"); // a second click meanwhile starts nothing
    QTRY_COMPARE(fertig.count(), 1);
    QList<int> reihenfolge;
    for (const auto &z : zahlen)
        reihenfolge.append(z.at(0).toInt());
    QCOMPARE(reihenfolge, (QList<int>{3, 9, 17, 22, 41}));
    QCOMPARE(m_zustand.PoolSoll, 5);
    QCOMPARE(m_zustand.PoolAnzahl, 5);
    for (int n : {3, 9, 17, 22, 41})
        QVERIFY(m_zustand.Poolmenge.enthaelt(n));
    QVERIFY(finde("BTransfer")->isEnabled());
    QCOMPARE(liste().size(), 5); // the list stays
}

void TstZwischen::bleibtBeimSchliessen()
{
    eingeben("4,5,6");
    klick("BAuslesen");
    klick("BClose2");
    QVERIFY(!m_fenster->isVisible());
    m_fenster->show();
    QCOMPARE(liste(), (QStringList{"4", "5", "6"}));
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), QString("4,5,6"));
    QVERIFY(finde("BUndo")->isEnabled());
    QTest::mouseClick(finde<QToolButton>("BClose1"), Qt::LeftButton);
    QVERIFY(!m_fenster->isVisible());
}

QTEST_MAIN(TstZwischen)
#include "tst_zwischen.moc"
