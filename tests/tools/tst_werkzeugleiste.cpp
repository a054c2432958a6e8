// The main window opens every tool from its menu and its tool bar, one window of each kind,
// and the screenshot buttons and the logo of the pages reach their windows.

#include "abbild.h"
#include "fenster.h"
#include "internet.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "programmstart.h"
#include "start.h"
#include "tfmain.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

class TstWerkzeugleiste : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void werkzeugOeffnen_data();
    void werkzeugOeffnen();
    void abbilderDerSeiten();
    void logo();
    void werkzeugeAusSystemtestPro();

private:
    std::unique_ptr<TFMain> m_fenster;
    KbwZustand m_zustand;
    Datenordner m_ordner;
    MeldungenAttrappe m_meldungen;
};

void TstWerkzeugleiste::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("Kombiwerk");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    TFStart start(m_zustand);
    m_ordner = start.datenordner();
}

void TstWerkzeugleiste::init()
{
    m_meldungen.leeren();
    m_fenster = std::make_unique<TFMain>(m_zustand, m_ordner);
    m_fenster->show();
}

void TstWerkzeugleiste::cleanup()
{
    InternetVerbundenErzwingen(std::nullopt);
    m_fenster.reset(); // the tool windows go with it
}

void TstWerkzeugleiste::werkzeugOeffnen_data()
{
    QTest::addColumn<QString>("befehl");
    QTest::addColumn<QString>("fenster");
    QTest::newRow("Knopf n über k") << "bsSkinSpeedButton6"
                                    << "FNueberK";
    QTest::newRow("Menü n über k") << "MNueberK"
                                   << "FNueberK";
    QTest::newRow("Knopf Kalender") << "bsSkinSpeedButton14"
                                    << "FKal";
    QTest::newRow("Menü Kalender") << "MKalender"
                                   << "FKal";
    QTest::newRow("Knopf Update") << "BUpdate"
                                  << "FUpdate";
    QTest::newRow("Extras Update") << "MUpdate"
                                   << "FUpdate";
    QTest::newRow("Hilfe Update") << "MUpdate2"
                                  << "FUpdate";
    QTest::newRow("Programm-Info") << "MInfo"
                                   << "FInfo";
}

void TstWerkzeugleiste::werkzeugOeffnen()
{
    QFETCH(QString, befehl);
    QFETCH(QString, fenster);
    const auto ausloesen = [&] {
        if (auto *knopf = m_fenster->findChild<QToolButton *>(befehl)) {
            QVERIFY(knopf->isEnabled());
            QTest::mouseClick(knopf, Qt::LeftButton);
        } else {
            auto *aktion = m_fenster->findChild<QAction *>(befehl);
            QVERIFY2(aktion, qPrintable(befehl));
            QVERIFY(aktion->isEnabled());
            aktion->trigger();
        }
    };
    QVERIFY(!FormularVorhanden(fenster));
    ausloesen();
    QWidget *w = FormularSuchen(fenster);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Kombiwerk"));
    // Over the main window.
    QVERIFY(m_fenster->geometry().contains(w->geometry().center()));
    ausloesen();
    int anzahl = 0;
    for (QWidget *t : QApplication::topLevelWidgets())
        anzahl += t->objectName() == fenster;
    QCOMPARE(anzahl, 1);
    QCOMPARE(FormularSuchen(fenster), w);
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstWerkzeugleiste::abbilderDerSeiten()
{
    const int vorher = TFAbbild::Aufnahmen();
    m_fenster->PC1()->setCurrentIndex(1);
    QWidget *pFoto2 = m_fenster->findChild<QWidget *>("PFoto2");
    QVERIFY(pFoto2);
    QTest::mouseClick(m_fenster->findChild<QPushButton *>("BFoto2"), Qt::LeftButton);
    auto *eins = qobject_cast<TFAbbild *>(FormularSuchen(QStringLiteral("FAbbild%1").arg(vorher + 1)));
    QVERIFY(eins);
    QCOMPARE(eins->bild().size(), pFoto2->size());

    m_fenster->PC1()->setCurrentIndex(4);
    QWidget *pFoto = m_fenster->findChild<QWidget *>("PFoto");
    QVERIFY(pFoto);
    auto *knopf = m_fenster->findChild<QPushButton *>("bsSkinSpeedButton33");
    QVERIFY(knopf->isEnabled());
    QTest::mouseClick(knopf, Qt::LeftButton);
    auto *zwei = qobject_cast<TFAbbild *>(FormularSuchen(QStringLiteral("FAbbild%1").arg(vorher + 2)));
    QVERIFY(zwei);
    QCOMPARE(zwei->bild().size(), pFoto->size());
    QVERIFY(zwei->isVisible());
}

void TstWerkzeugleiste::logo()
{
    ProgrammstartAttrappe start;
    InternetVerbundenErzwingen(true);
    m_fenster->PC1()->setCurrentIndex(1);
    QTest::mouseClick(m_fenster->findChild<QToolButton *>("Image5"), Qt::LeftButton);
    QCOMPARE(start.adressen.size(), std::size_t(1));
    QCOMPARE(start.adressen.front().host(), QStringLiteral("www.kombiwerk.example"));
}

void TstWerkzeugleiste::werkzeugeAusSystemtestPro()
{
    m_fenster->PC1()->setCurrentIndex(4);
    QTest::mouseClick(m_fenster->findChild<QPushButton *>("bsSkinSpeedButton1"), Qt::LeftButton);
    QWidget *pro = FormularSuchen("FSystemtestpro");
    QVERIFY(pro);
    for (const auto &[knopf, fenster] : {std::pair{"bsSkinSpeedButton6", "FNueberK"},
                                         std::pair{"bsSkinSpeedButton14", "FKal"}, std::pair{"BUpdate", "FUpdate"}}) {
        auto *k = pro->findChild<QToolButton *>(knopf);
        QVERIFY2(k && k->isEnabled(), knopf);
        QTest::mouseClick(k, Qt::LeftButton);
        QVERIFY2(FormularVorhanden(fenster), fenster);
    }
}

QTEST_MAIN(TstWerkzeugleiste)
#include "tst_werkzeugleiste.moc"
