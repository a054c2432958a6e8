#include "katalog.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "routinen.h"
#include "seitesystemtest.h"
#include "seitetippreihen.h"
#include "seitezahlenwahl.h"
#include "statistiktafel.h"
#include "systembeschreibung.h"
#include "systemliste.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int System4aus10 = 40; // catalogue: RG 4, WZ 10, GA 3

int KatalogTR()
{
    return KatalogSystem(System4aus10).TR;
}

// Both pages in one window, as in the main window, plus the labels the test figures go to.
struct Fenster
{
    explicit Fenster(const QString &ordner)
    {
        SystemlisteAufbauen(zustand, Vollsystemgrenze, ordner);
        auto *layout = new QVBoxLayout(&wurzel);
        zahlenwahl = new SeiteZahlenwahl(zustand, &wurzel);
        tippreihen = new SeiteTippreihen(zustand, &wurzel);
        layout->addWidget(zahlenwahl);
        layout->addWidget(tippreihen);
        systemtest = new SeiteSystemtest(zustand, zustand, &wurzel);
        layout->addWidget(systemtest);
        kombiAnz = systemtest->findChild<QLabel *>(QStringLiteral("LKombiAnz"));
        // Wired as in the main window.
        QObject::connect(zahlenwahl, &SeiteZahlenwahl::reihenVorbereitet, tippreihen, &SeiteTippreihen::gridZeigen);
        QObject::connect(zahlenwahl, &SeiteZahlenwahl::testzahlenFaellig, systemtest,
                         &SeiteSystemtest::testzahlenSetzen);
        QObject::connect(tippreihen, &SeiteTippreihen::tippreihenBildenAngefordert, zahlenwahl,
                         [this] { zahlenwahl->tippreihenBilden(true); });
    }

    void waehlen(int index, int groesse)
    {
        const TSysteme &s = zustand.Systemliste[std::size_t(index)];
        zustand.Systemindex = index;
        zustand.Tippreihengroesse = groesse;
        zustand.PoolSoll = s.WZ;
        zustand.BankzahlenSoll = groesse - s.RG;
    }

    template<typename T = QPushButton>
    T *finde(const QString &name)
    {
        T *w = wurzel.findChild<T *>(name);
        if (!w)
            qFatal("missing %s", qPrintable(name));
        return w;
    }

    void klick(const QString &name) { QTest::mouseClick(finde(name), Qt::LeftButton); }
    QByteArray art(int n) { return finde(QStringLiteral("lot%1").arg(n))->property("art").toByteArray(); }
    QString text(const QString &name) { return finde<QLabel>(name)->text(); }
    QColor farbe(int n)
    {
        return finde<QLabel>(QStringLiteral("PNummerWert%1").arg(n))->palette().color(QPalette::Window);
    }

    KbwZustand zustand;
    QWidget wurzel;
    SeiteZahlenwahl *zahlenwahl = nullptr;
    SeiteTippreihen *tippreihen = nullptr;
    SeiteSystemtest *systemtest = nullptr;
    QLabel *kombiAnz = nullptr;
};

} // namespace

class TstSeiteZahlenwahl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void controlsVorhanden();
    void klicksAufDieTafel();
    void ohneSystem();
    void einsBisUndAlleUndLoeschen();
    void zufallswahl();
    void tippreihenBilden();
    void verteilungAnzeigen();
    void tippreihenSeiteBildetNeu();
    void eigeneDateiGeloescht();
    void zweiteStatistiktafel();
    void grosseZaehlerLesbar_data();
    void grosseZaehlerLesbar();
    void beschreibungVerschiebtNichts();

private:
    QTemporaryDir m_ordner;
    std::unique_ptr<MeldungenAttrappe> m_meldungen;
    std::unique_ptr<Fenster> m_f;
};

void TstSeiteZahlenwahl::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstSeiteZahlenwahl::init()
{
    m_f.reset();
    m_meldungen.reset(); // before the next one, which remembers the active one
    m_meldungen = std::make_unique<MeldungenAttrappe>();
    m_f = std::make_unique<Fenster>(m_ordner.path());
}

void TstSeiteZahlenwahl::controlsVorhanden()
{
    for (const char *name : {"lot1", "lot100", "BLoeschen", "bsSkinSpeedButton18", "BEinsBis", "BZufall", "BZwischen",
                             "BStatBilden", "BRBilden", "bsSkinSpeedButton7", "BCSV", "bsSkinSpeedButton35", "BExcel"})
        m_f->finde(QLatin1String(name));
    for (const char *name : {"LBeschreibung", "PPool", "PBZ", "PPZ", "PBZ2", "PNummer1", "PNummerWert100"})
        m_f->finde<QLabel>(QLatin1String(name));
    // "Aus Zwischen- ablage einfügen" asks the main window for the copy-and-paste tool.
    QSignalSpy werkzeug(m_f->zahlenwahl, &SeiteZahlenwahl::zwischenablageWerkzeugAngefordert);
    m_f->klick(QStringLiteral("BZwischen"));
    QCOMPARE(werkzeug.count(), 1);
    QVERIFY(m_f->finde(QStringLiteral("BCSV"))->isEnabled());
    QVERIFY(m_f->finde<QCheckBox>(QStringLiteral("cbMischen"))->text() == QStringLiteral("Systemreihen variieren"));
    QCOMPARE(m_f->finde<QLabel>(QStringLiteral("PNummer7"))->text(), QStringLiteral("7"));
}

void TstSeiteZahlenwahl::klicksAufDieTafel()
{
    m_f->waehlen(System4aus10, 6); // 10 pool numbers, 2 bankers
    for (int n = 1; n <= 12; ++n)
        m_f->klick(QStringLiteral("lot%1").arg(n * 4));
    QCOMPARE(m_f->art(4), QByteArray("pool"));
    QCOMPARE(m_f->art(40), QByteArray("pool"));
    QCOMPARE(m_f->art(44), QByteArray("bank"));
    QCOMPARE(m_f->art(48), QByteArray("bank"));
    QCOMPARE(m_f->art(1), QByteArray("normal"));
    QCOMPARE(m_f->text("PPZ"), QStringLiteral("10"));
    QCOMPARE(m_f->text("PBZ2"), QStringLiteral("2"));
    QVERIFY(m_meldungen->texte().isEmpty());

    m_f->klick(QStringLiteral("lot1"));
    QCOMPARE(m_meldungen->texte(), QStringList{QStringLiteral("Sie haben bereits 2 Bankzahlen gewählt.")});
    QCOMPARE(m_meldungen->eintraege().front().art, Meldungen::Art::Fehler);
    QCOMPARE(m_f->art(1), QByteArray("normal"));

    m_f->klick(QStringLiteral("lot8")); // pool number removed
    QCOMPARE(m_f->art(8), QByteArray("normal"));
    QCOMPARE(m_f->text("PPZ"), QStringLiteral("9"));
}

void TstSeiteZahlenwahl::ohneSystem()
{
    for (const char *name : {"lot5", "BEinsBis", "BZufall"})
        m_f->klick(QLatin1String(name));
    QCOMPARE(m_meldungen->texte(),
             QStringList(3, QStringLiteral("Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.")));
    QCOMPARE(m_f->art(5), QByteArray("normal"));

    m_meldungen->leeren();
    QSignalSpy spy(m_f->zahlenwahl, &SeiteZahlenwahl::zuTippreihen);
    for (const char *name : {"BRBilden", "BStatBilden", "bsSkinSpeedButton7"})
        m_f->klick(QLatin1String(name));
    QCOMPARE(
        m_meldungen->texte(),
        QStringList(3, QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.\n\nIch breche erst einmal ab.")));
    QCOMPARE(spy.count(), 0);
}

void TstSeiteZahlenwahl::einsBisUndAlleUndLoeschen()
{
    m_f->waehlen(System4aus10, 6);
    m_f->klick(QStringLiteral("BEinsBis"));
    QCOMPARE(m_f->art(1), QByteArray("bank"));
    QCOMPARE(m_f->art(2), QByteArray("bank"));
    QCOMPARE(m_f->art(3), QByteArray("pool"));
    QCOMPARE(m_f->art(12), QByteArray("pool"));
    QCOMPARE(m_f->art(13), QByteArray("normal"));
    QCOMPARE(m_f->text("PPZ"), QStringLiteral("10"));
    QCOMPARE(m_f->text("PBZ2"), QStringLiteral("2"));

    m_f->klick(QStringLiteral("BStatBilden"));
    QCOMPARE(m_f->text("PNummerWert1"), QString::number(KatalogTR()));
    m_f->klick(QStringLiteral("bsSkinSpeedButton18"));
    QCOMPARE(m_f->art(1), QByteArray("pool"));
    QCOMPARE(m_f->art(49), QByteArray("pool"));
    QCOMPARE(m_f->art(50), QByteArray("normal"));
    QCOMPARE(m_f->text("PPZ"), QStringLiteral("49"));
    QCOMPARE(m_f->text("PBZ2"), QStringLiteral("0"));
    QCOMPARE(m_f->text("PNummerWert1"), QStringLiteral("0")); // statistics reset

    m_f->klick(QStringLiteral("BLoeschen"));
    for (int n : {1, 25, 49})
        QCOMPARE(m_f->art(n), QByteArray("normal"));
    QCOMPARE(m_f->text("PPZ"), QStringLiteral("0"));
    QVERIFY(m_f->zustand.Poolmenge.leer());
}

void TstSeiteZahlenwahl::zufallswahl()
{
    m_f->waehlen(System4aus10, 6);
    m_f->klick(QStringLiteral("BZufall"));
    QCOMPARE(m_f->text("PPZ"), QStringLiteral("10"));
    QCOMPARE(m_f->text("PBZ2"), QStringLiteral("2"));
    int pool = 0, bank = 0;
    for (int n = 1; n <= 100; ++n) {
        pool += m_f->art(n) == "pool";
        bank += m_f->art(n) == "bank";
        if (n > 49)
            QCOMPARE(m_f->art(n), QByteArray("normal"));
    }
    QCOMPARE(pool, 10);
    QCOMPARE(bank, 2);
}

void TstSeiteZahlenwahl::tippreihenBilden()
{
    m_f->waehlen(System4aus10, 6);
    m_f->finde<QLabel>(QStringLiteral("LBeschreibung"))->setText(QStringLiteral("Beschreibung"));
    m_f->klick(QStringLiteral("BEinsBis"));
    QSignalSpy spy(m_f->zahlenwahl, &SeiteZahlenwahl::zuTippreihen);
    m_f->klick(QStringLiteral("BRBilden"));
    QCOMPARE(spy.count(), 1);
    QVERIFY(m_meldungen->texte().isEmpty());
    const TSysteme &s = m_f->zustand.Systemliste[System4aus10];
    QCOMPARE(m_f->kombiAnz->text(), QLocale().toString(qlonglong(RechenoperationenZaehlen(s.TR, s.WZ, s.RG, 2))));

    m_f->tippreihen->reihenAnzeigen();
    auto *g1 = m_f->finde<QTableView>(QStringLiteral("g1"));
    const QAbstractItemModel *modell = g1->model();
    QCOMPARE(modell->rowCount(), int(s.TR));
    QCOMPARE(modell->columnCount(), 11);
    QCOMPARE(modell->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Reihe"));
    QCOMPARE(modell->headerData(3, Qt::Horizontal).toString(), QStringLiteral("  Z. 3"));
    QCOMPARE(m_f->finde<QGroupBox>(QStringLiteral("GroupG1"))->title(), QStringLiteral("%1 Tippreihen").arg(s.TR));
    // First row starts with the bankers 1 and 2 (light green), then pool numbers (white).
    QCOMPARE(modell->index(0, 0).data().toInt(), 1);
    QCOMPARE(modell->index(0, 1).data().toInt(), 1);
    QCOMPARE(modell->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(179, 255, 179));
    QCOMPARE(modell->index(0, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    QVERIFY(!modell->index(0, 7).data().isValid());
    // Rows ascending.
    for (int r = 1; r < modell->rowCount(); ++r) {
        std::vector<int> a, b;
        for (int c = 1; c <= 6; ++c) {
            a.push_back(modell->index(r - 1, c).data().toInt());
            b.push_back(modell->index(r, c).data().toInt());
        }
        QVERIFY(a < b);
    }
    // Bankers are in every row: green.
    QCOMPARE(m_f->farbe(1), QColor(0, 255, 0));
    QCOMPARE(m_f->farbe(3), QColor(255, 255, 0));
    QCOMPARE(m_f->text("PNummerWert13"), QStringLiteral("0"));
}

void TstSeiteZahlenwahl::verteilungAnzeigen()
{
    m_f->waehlen(System4aus10, 6);
    m_f->klick(QStringLiteral("BEinsBis"));
    m_f->klick(QStringLiteral("BRBilden"));
    m_f->tippreihen->reihenAnzeigen();
    const QString titel = m_f->finde<QGroupBox>(QStringLiteral("GroupG1"))->title();

    QSignalSpy spy(m_f->zahlenwahl, &SeiteZahlenwahl::zuTippreihen);
    m_f->klick(QStringLiteral("BStatBilden"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_f->text("PNummerWert2"), QString::number(KatalogTR()));
    m_f->tippreihen->reihenAnzeigen();
    // The grid keeps one empty line per row, row numbers included.
    const QAbstractItemModel *modell = m_f->finde<QTableView>(QStringLiteral("g1"))->model();
    QCOMPARE(modell->rowCount(), KatalogTR());
    for (int c : {0, 1, 6})
        QVERIFY(!modell->index(0, c).data().isValid());
    QCOMPARE(m_f->finde<QGroupBox>(QStringLiteral("GroupG1"))->title(), titel);

    // Too few numbers: the message, and the statistics stay.
    m_f->klick(QStringLiteral("lot3"));
    m_f->klick(QStringLiteral("BStatBilden"));
    QCOMPARE(m_meldungen->texte().last(),
             QStringLiteral("Bitte wählen Sie 10 Tippahlen und 2 Bankzahlen.\n\nIch breche erst einmal ab."));
    QCOMPARE(m_f->text("PNummerWert2"), QString::number(KatalogTR()));
}

void TstSeiteZahlenwahl::tippreihenSeiteBildetNeu()
{
    m_f->waehlen(System4aus10, 6);
    m_f->klick(QStringLiteral("BEinsBis"));
    m_f->klick(QStringLiteral("bsSkinSpeedButton7"));
    QCOMPARE(m_f->finde<QTableView>(QStringLiteral("g1"))->model()->rowCount(), KatalogTR());

    // Shuffled pool: the same rows as sets of positions, but different numbers usually.
    const auto vorher = m_f->zustand.Tippreihen;
    m_f->finde<QCheckBox>(QStringLiteral("cbMischen"))->setChecked(true);
    bool anders = false;
    for (int i = 0; i < 5 && !anders; ++i) {
        m_f->klick(QStringLiteral("bsSkinSpeedButton7"));
        anders = m_f->zustand.Tippreihen != vorher;
    }
    QVERIFY(anders);
}

void TstSeiteZahlenwahl::eigeneDateiGeloescht()
{
    const QString pfad = QDir(m_ordner.path()).filePath(QStringLiteral("ESY1.csv"));
    {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("1,2,3\r\n2,3,4\r\n");
    }
    KbwZustand &z = m_f->zustand;
    z.Eigensystemliste = {TEigSysteme{.RG = 3, .WZ = 4, .GA = 2, .TR = 2, .fn = "ESY1.csv"}};
    z.EigeneSystemeOrdner = m_ordner.path();
    SystemlisteAufbauen(z, Vollsystemgrenze, m_ordner.path());
    m_f->waehlen(z.AnzahlStandardsysteme, 4);
    m_f->klick(QStringLiteral("BEinsBis"));
    auto *g1 = m_f->finde<QTableView>(QStringLiteral("g1"));
    m_f->klick(QStringLiteral("bsSkinSpeedButton7"));
    QVERIFY(!g1->isHidden());
    QCOMPARE(m_f->text("PNummerWert1"), QStringLiteral("2"));

    // The rows break off: the grid is emptied and hidden, the statistics show 0.
    QVERIFY(QFile::remove(pfad));
    QSignalSpy spy(m_f->zahlenwahl, &SeiteZahlenwahl::zuTippreihen);
    m_f->klick(QStringLiteral("BRBilden"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_meldungen->texte().last(),
             QStringLiteral("Die Datei mit den Systemreihen wurde gelöscht. Die Tippreihen können daher nicht "
                            "gebildet werden.\n\nIch muss abbrechen."));
    QVERIFY(g1->isHidden());
    m_f->tippreihen->reihenAnzeigen();
    QCOMPARE(g1->model()->rowCount(), 0);
    QCOMPARE(m_f->text("PNummerWert1"), QStringLiteral("0"));
    QCOMPARE(m_f->farbe(1), m_f->finde<QLabel>(QStringLiteral("PNummerWert1"))->palette().color(QPalette::Button));

    // The next expansion shows it again.
    m_f->waehlen(System4aus10, 6);
    m_f->klick(QStringLiteral("BEinsBis"));
    m_f->klick(QStringLiteral("BStatBilden"));
    QVERIFY(!g1->isHidden());
}

void TstSeiteZahlenwahl::grosseZaehlerLesbar_data()
{
    QTest::addColumn<bool>("eigeneReihen");
    QTest::addColumn<int>("zaehler");
    QTest::addColumn<int>("mindestgroesse"); // point size at least
    QTest::newRow("Vollsystem 2926") << false << 2926 << QFont().pointSize();
    QTest::newRow("3000 eigene Reihen") << true << 3000 << QFont().pointSize();
    QTest::newRow("65535") << false << 65535 << QFont().pointSize() - 2;
}

// Counts of full systems keep the normal size; the largest own-system count stays readable.
void TstSeiteZahlenwahl::grosseZaehlerLesbar()
{
    QFETCH(bool, eigeneReihen);
    QFETCH(int, zaehler);
    QFETCH(int, mindestgroesse);
    QWidget seite;
    Statistiktafel *tafel =
        eigeneReihen ? Statistiktafel::FuerEigeneReihen(&seite) : Statistiktafel::FuerTippreihen(&seite);
    std::array<int, 101> z{};
    z[7] = zaehler;
    tafel->anzeigen(z, zaehler);
    QLabel *wert = tafel->wertfeld(7);
    QCOMPARE(wert->text(), QString::number(zaehler));
    QVERIFY(wert->font().pointSize() >= mindestgroesse);
    QVERIFY(QFontMetrics(wert->font()).horizontalAdvance(wert->text()) <= wert->width() - 2 * wert->frameWidth() - 1);
}

// A long description (full system with bankers) does not move the board.
void TstSeiteZahlenwahl::beschreibungVerschiebtNichts()
{
    m_f->wurzel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_f->wurzel));
    Systemwahl wahl;
    wahl.gewaehlt = true;
    wahl.pool = QStringLiteral("13");
    wahl.beschreibung = QStringLiteral("Kurz.");
    m_f->zahlenwahl->systemAnzeigen(wahl);
    QTest::qWait(10);
    QPushButton *lot1 = m_f->finde(QStringLiteral("lot1"));
    const QPoint vorher = lot1->mapTo(&m_f->wurzel, QPoint());
    wahl.beschreibung =
        QStringLiteral("Ein Vollsystem mit 13 Wahlzahlen und 2 Bankzahlen in 1716 Tippreihen; es enthält "
                       "jede Kombination von 6 der 13 Wahlzahlen, zu der die beiden Bankzahlen in jeder "
                       "Reihe hinzukommen, so dass jede Ziehung getroffen wird.");
    m_f->zahlenwahl->systemAnzeigen(wahl);
    QTest::qWait(10);
    QCOMPARE(lot1->mapTo(&m_f->wurzel, QPoint()), vorher);
}

void TstSeiteZahlenwahl::zweiteStatistiktafel()
{
    QWidget seite;
    Statistiktafel *tafel = Statistiktafel::FuerEigeneReihen(&seite);
    QCOMPARE(tafel->size(), QSize(10 * 32 + 20, 20 + 10 * 18 + 10 * 18 + 5));
    auto *wert = seite.findChild<QLabel *>(QStringLiteral("PNummerWertEin12"));
    QVERIFY(wert);
    QCOMPARE(wert->size(), QSize(32, 18));
    QVERIFY(seite.findChild<QLabel *>(QStringLiteral("PNummerEin100")));
    std::array<int, 101> zaehler{};
    zaehler[12] = 3;
    zaehler[13] = 1;
    tafel->anzeigen(zaehler, 3);
    QCOMPARE(wert->text(), QStringLiteral("3"));
    QCOMPARE(wert->palette().color(QPalette::Window), QColor(0, 255, 0));
    NummernfelderSetzen(&seite, QStringLiteral("PNummerWertEin"), 100, QStringLiteral("0"));
    QCOMPARE(wert->text(), QStringLiteral("0"));
    QCOMPARE(wert->palette().color(QPalette::Window), wert->palette().color(QPalette::Button));
}

QTEST_MAIN(TstSeiteZahlenwahl)
#include "tst_seitezahlenwahl.moc"
