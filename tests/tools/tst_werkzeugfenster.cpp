// The small tool windows: "n über k" as typed by a user, the calendar, the program
// information with its mail link, the logo link and the calculator start.

#include "../dateihilfen.h"
#include "anbieter.h"
#include "fenster.h"
#include "info.h"
#include "internet.h"
#include "kal.h"
#include "meldungen.h"
#include "nueberk.h"
#include "programmstart.h"
#include "werkzeuge.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

class TstWerkzeugfenster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nueberk_data();
    void nueberk();
    void nurZiffern();
    void enterRechnet();
    void nueberkBleibtNachDemSchliessen();
    void kalender();
    void info();
    void infoEinmalUndNachDemSchliessenNeu();
    void webseite();
    void taschenrechner();

private:
    MeldungenAttrappe m_meldungen;
    QByteArray m_pfad;
};

void TstWerkzeugfenster::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_pfad = qgetenv("PATH");
}

void TstWerkzeugfenster::init()
{
    m_meldungen.leeren();
}

void TstWerkzeugfenster::cleanup()
{
    InternetVerbundenErzwingen(std::nullopt);
    qputenv("PATH", m_pfad);
    QList<QPointer<QWidget>> fenster;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            fenster << w;
    qDeleteAll(fenster);
}

void TstWerkzeugfenster::nueberk_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("6 aus 49") << "49"
                              << "6"
                              << "13.983.816"
                              << "";
    QTest::newRow("5 über 5") << "5"
                              << "5"
                              << "1"
                              << "";
    QTest::newRow("5 über 0") << "5"
                              << "0"
                              << "1"
                              << "";
    QTest::newRow("99 über 49") << "99"
                                << "49"
                                << "50.445.672.272.782.096.667.406.248.628"
                                << "";
    QTest::newRow("5 über 6") << "5"
                              << "6"
                              << ""
                              << "Die Zahl für \"n\" muss größer als die für \"k\" sein.\n\nIch breche erst einmal ab.";
    QTest::newRow("n leer") << ""
                            << "6"
                            << ""
                            << "Sie müssen für \"n\" eine Zahl größer Null eingeben.\n\nIch breche erst einmal ab.";
}

void TstWerkzeugfenster::nueberk()
{
    QFETCH(QString, n);
    QFETCH(QString, k);
    QFETCH(QString, ergebnis);
    QFETCH(QString, meldung);
    auto *fenster = NueberKZeigen(nullptr);
    QCOMPARE(fenster->objectName(), QStringLiteral("FNueberK"));
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Kombiwerk"));
    auto *e1 = fenster->findChild<QLineEdit *>("e1");
    auto *e2 = fenster->findChild<QLineEdit *>("e2");
    QTest::keyClicks(e1, n);
    QTest::keyClicks(e2, k);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BCalc"), Qt::LeftButton);
    QCOMPARE(fenster->findChild<QLabel *>("P1")->text(), ergebnis);
    QCOMPARE(m_meldungen.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
    if (!meldung.isEmpty())
        QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::Information);
}

void TstWerkzeugfenster::nurZiffern()
{
    auto *fenster = NueberKZeigen(nullptr);
    auto *e1 = fenster->findChild<QLineEdit *>("e1");
    auto *e2 = fenster->findChild<QLineEdit *>("e2");
    QTest::keyClicks(e1, "4x9");
    QCOMPARE(e1->text(), QStringLiteral("49"));
    QTest::keyClicks(e2, " -6,5");
    QCOMPARE(e2->text(), QStringLiteral("65")); // only digits, at most two
    QTest::keyClick(e2, Qt::Key_Backspace);
    QCOMPARE(e2->text(), QStringLiteral("6"));
    e1->clear();
    QTest::keyClicks(e1, "123");
    QCOMPARE(e1->text(), QStringLiteral("12"));
}

void TstWerkzeugfenster::enterRechnet()
{
    auto *fenster = NueberKZeigen(nullptr);
    auto *e1 = fenster->findChild<QLineEdit *>("e1");
    auto *e2 = fenster->findChild<QLineEdit *>("e2");
    auto *p1 = fenster->findChild<QLabel *>("P1");
    QTest::keyClicks(e1, "49");
    QTest::keyClick(e1, Qt::Key_Return); // k still empty: nothing happens
    QVERIFY(p1->text().isEmpty());
    QVERIFY(m_meldungen.texte().isEmpty());
    QTest::keyClicks(e2, "6");
    QTest::keyClick(e2, Qt::Key_Return);
    QCOMPARE(p1->text(), QStringLiteral("13.983.816"));
}

void TstWerkzeugfenster::nueberkBleibtNachDemSchliessen()
{
    QWidget *a = NueberKZeigen(nullptr);
    QTest::mouseClick(a->findChild<QPushButton *>("BSchliessen"), Qt::LeftButton);
    QVERIFY(!a->isVisible());
    QVERIFY(FormularVorhanden("FNueberK"));
    QWidget *b = NueberKZeigen(nullptr);
    QCOMPARE(a, b);
    QVERIFY(b->isVisible());
    b->showMinimized();
    QCOMPARE(NueberKZeigen(nullptr), a);
    QVERIFY(!a->isMinimized());
}

void TstWerkzeugfenster::kalender()
{
    QWidget *w = KalenderZeigen(nullptr);
    QCOMPARE(w->objectName(), QStringLiteral("FKal"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Kombiwerk"));
    auto *kalender = w->findChild<QCalendarWidget *>();
    QVERIFY(kalender);
    QCOMPARE(kalender->selectedDate(), QDate::currentDate());
    QCOMPARE(kalender->firstDayOfWeek(), Qt::Sunday);
    QCOMPARE(kalender->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    QCOMPARE(kalender->dateTextFormat(QDate::currentDate()).fontWeight(), int(QFont::Bold));
    QTest::mouseClick(w->findChild<QPushButton *>("BSchliessen"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(KalenderZeigen(nullptr), w);
}

void TstWerkzeugfenster::info()
{
    ProgrammstartAttrappe start;
    QWidget *w = InfoZeigen(nullptr);
    QCOMPARE(w->objectName(), QStringLiteral("FInfo"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Kombiwerk"));
    QCOMPARE(w->size(), QSize(400, 300));
    QCOMPARE(w->findChild<QLabel *>("LVersion")->text(), QStringLiteral("Version 1.8.2.0"));
    for (const char *name : {"LName", "LStrasse", "LPLZOrt", "LMail", "LTelefon", "LFax"}) {
        auto *label = w->findChild<QLabel *>(name);
        QVERIFY2(label && !label->text().isEmpty(), name);
        QVERIFY2(label->parentWidget()->objectName() == QStringLiteral("Panel1"), name);
    }
    auto *mail = w->findChild<QLabel *>("LMail");
    QCOMPARE(mail->text(), Anbieter::Mail());
    QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(w->findChild<QWidget *>("Panel1")->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(start.adressen.size(), std::size_t(1));
    const QUrl link = start.adressen.front();
    QCOMPARE(link.scheme(), QStringLiteral("mailto"));
    QCOMPARE(link.path(), QStringLiteral("info@kombiwerk.example"));
    QCOMPARE(QUrlQuery(link).queryItemValue("subject"), QStringLiteral("Kombiwerk"));
    QCOMPARE(link.toString(), QStringLiteral("mailto:info@kombiwerk.example?subject=Kombiwerk"));
}

void TstWerkzeugfenster::infoEinmalUndNachDemSchliessenNeu()
{
    QPointer<QWidget> a = InfoZeigen(nullptr);
    QCOMPARE(InfoZeigen(nullptr), a.data());
    int anzahl = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        anzahl += w->objectName() == QStringLiteral("FInfo");
    QCOMPARE(anzahl, 1);
    QTest::mouseClick(a->findChild<QPushButton *>("BSchliessen"), Qt::LeftButton);
    QTRY_VERIFY(a.isNull()); // closing destroys it
    QVERIFY(!FormularVorhanden("FInfo"));
    QWidget *b = InfoZeigen(nullptr);
    QVERIFY(b && b->isVisible());
}

void TstWerkzeugfenster::webseite()
{
    ProgrammstartAttrappe start;
    InternetVerbundenErzwingen(false);
    WebseiteOeffnen(nullptr);
    QCOMPARE(m_meldungen.texte(), QStringList{"Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen."});
    QVERIFY(start.adressen.empty());
    InternetVerbundenErzwingen(true);
    WebseiteOeffnen(nullptr);
    QCOMPARE(start.adressen.size(), std::size_t(1));
    QCOMPARE(start.adressen.front(), QUrl(Anbieter::Webadresse()));
}

// The first installed calculator of the list is started; without any the user hears so.
void TstWerkzeugfenster::taschenrechner()
{
    ProgrammstartAttrappe start;
    QTemporaryDir bin;
    qputenv("PATH", QFile::encodeName(bin.path()));
    TaschenrechnerStarten(nullptr);
    QVERIFY(start.starts.empty());
    QCOMPARE(m_meldungen.texte().size(), 1);
    QVERIFY(m_meldungen.texte().front().startsWith("Auf diesem Rechner ist kein Taschenrechner-Programm"));
    QVERIFY(m_meldungen.texte().front().contains("gnome-calculator"));

    m_meldungen.leeren();
    for (const char *name : {"xcalc", "kcalc"}) {
        const QString pfad = QDir(bin.path()).filePath(name);
        DateiSchreiben(pfad, "#!/bin/sh\n");
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    TaschenrechnerStarten(nullptr);
    QCOMPARE(start.starts.size(), std::size_t(1));
    QCOMPARE(start.starts.front().programm, QDir(bin.path()).filePath("kcalc"));
    QVERIFY(m_meldungen.texte().isEmpty());

    start.startAntworten(false);
    start.startAntworten(false);
    TaschenrechnerStarten(nullptr);
    QCOMPARE(start.starts.size(), std::size_t(3)); // kcalc failed, then xcalc
    QCOMPARE(m_meldungen.texte().size(), 1);
    QVERIFY(m_meldungen.texte().front().contains("ließ sich nicht starten"));
}

QTEST_MAIN(TstWerkzeugfenster)
#include "tst_werkzeugfenster.moc"
