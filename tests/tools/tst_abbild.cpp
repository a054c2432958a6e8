// The screenshot window: one window per capture with its running number, the red stamp,
// saving as a progressive JPEG with the chosen quality, the clipboard.

#include "../dateihilfen.h"
#include "abbild.h"
#include "dateidialoge.h"
#include "fenster.h"
#include "meldungen.h"
#include "werkzeuge.h"
#include "zwischenablage.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// A plain white panel, so that every red pixel comes from the stamp.
std::unique_ptr<QWidget> WeissesPanel(int breite, int hoehe)
{
    auto panel = std::make_unique<QWidget>();
    panel->setObjectName("PFoto2");
    panel->setAutoFillBackground(true);
    QPalette farben = panel->palette();
    farben.setColor(QPalette::Window, Qt::white);
    panel->setPalette(farben);
    panel->resize(breite, hoehe);
    return panel;
}

// A panel with detail, so that the JPEG quality shows in the file size.
std::unique_ptr<QWidget> BuntesPanel()
{
    auto panel = WeissesPanel(400, 300);
    for (int i = 0; i < 40; ++i) {
        auto *label = new QLabel(QStringLiteral("Zahl %1 – %2").arg(i).arg(i * 7919 % 1000), panel.get());
        label->move((i % 4) * 100, (i / 4) * 30);
        label->setStyleSheet(QStringLiteral("background: hsv(%1, 200, 230);").arg(i * 9));
    }
    return panel;
}

bool Rot(QRgb p)
{
    return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110;
}

int RotePixel(const QImage &bild, const QRect &bereich)
{
    int n = 0;
    for (int y = std::max(0, bereich.top()); y <= std::min(bild.height() - 1, bereich.bottom()); ++y)
        for (int x = std::max(0, bereich.left()); x <= std::min(bild.width() - 1, bereich.right()); ++x)
            n += Rot(bild.pixel(x, y));
    return n;
}

int Rahmenart(const QByteArray &jpeg)
{
    const auto *d = reinterpret_cast<const unsigned char *>(jpeg.constData());
    qsizetype i = 2;
    if (jpeg.size() < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return -1;
    while (i + 4 <= jpeg.size() && d[i] == 0xFF) {
        const int marke = d[i + 1];
        if (marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC)
            return marke;
        i += 2 + ((d[i + 2] << 8) | d[i + 3]);
    }
    return -1;
}

} // namespace

class TstAbbild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void zweiAufnahmenZweiFenster();
    void stempelIstRot();
    void stempelAufKleinemPanel();
    void jpgEndung_data();
    void jpgEndung();
    void speichernErzwingtJpg();
    void qualitaetUndProgressiv();
    void vorhandeneJpgDatei();
    void speichernScheitert();
    void keinBild();
    void zwischenablage();

private:
    QTemporaryDir m_shots;
    MeldungenAttrappe m_meldungen;
};

void TstAbbild::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstAbbild::init()
{
    m_meldungen.leeren();
}

// Runs first: the running number counts the captures since the start of the program.
void TstAbbild::zweiAufnahmenZweiFenster()
{
    QCOMPARE(TFAbbild::Aufnahmen(), 0);
    auto panel = WeissesPanel(600, 400);
    QWidget haupt;
    haupt.resize(800, 700);
    TFAbbild *a = AbbildZeigen(panel.get(), 480, 340, m_shots.path(), &haupt);
    TFAbbild *b = AbbildZeigen(panel.get(), 480, 340, m_shots.path(), &haupt);
    QVERIFY(a != b);
    QCOMPARE(a->objectName(), QStringLiteral("FAbbild1"));
    QCOMPARE(b->objectName(), QStringLiteral("FAbbild2"));
    QVERIFY(FormularVorhanden("FAbbild1"));
    QVERIFY(FormularVorhanden("FAbbild2"));
    QVERIFY(a->windowTitle().isEmpty());
    QVERIFY(a->isVisible() && b->isVisible());
    QCOMPARE(a->bild().size(), QSize(600, 400));
    // The picture below the two bars: W wide and H + 84 high.
    QCOMPARE(a->size(), QSize(600, 400 + 84));
    QCOMPARE(a->findChild<QLabel *>("Image1")->pixmap().size(), QSize(600, 400));
    QCOMPARE(a->findChild<QSlider *>("Slider1")->value(), 100);
    QCOMPARE(a->findChild<QSlider *>("Slider1")->minimum(), 36);
    QCOMPARE(a->findChild<QSlider *>("Slider1")->maximum(), 100);
    QCOMPARE(a->findChild<QToolButton *>("bsSkinSpeedButton1")->toolTip(),
             QStringLiteral("In Zwischenablage kopieren"));
    QCOMPARE(a->findChild<QPushButton *>("BSave")->text(), QStringLiteral("Abbild speichern..."));

    // Closing one leaves the other; the number keeps growing.
    QTest::mouseClick(a->findChild<QToolButton *>("BClose"), Qt::LeftButton);
    QTRY_VERIFY(!FormularVorhanden("FAbbild1"));
    QVERIFY(FormularVorhanden("FAbbild2"));
    TFAbbild *c = AbbildZeigen(panel.get(), 480, 340, m_shots.path(), &haupt);
    QCOMPARE(c->objectName(), QStringLiteral("FAbbild3"));
    delete b;
    delete c;
}

// The stamp sits with its top left corner at (W - a, H - b), in red; nothing else is red.
void TstAbbild::stempelIstRot()
{
    auto panel = WeissesPanel(600, 400);
    const QImage bild = TFAbbild::Aufnehmen(panel.get(), 480, 340);
    QCOMPARE(bild.size(), QSize(600, 400));
    const QRect stempel(120, 60, 90, 16);
    QVERIFY2(RotePixel(bild, stempel) > 20, qPrintable(QString::number(RotePixel(bild, stempel))));
    QCOMPARE(RotePixel(bild, QRect(0, 0, 600, 60)), 0); // above the corner
    QCOMPARE(RotePixel(bild, QRect(0, 0, 120, 400)), 0); // left of it
    QCOMPARE(RotePixel(bild, QRect(0, 80, 600, 320)), 0); // below the line of text
    QCOMPARE(bild.pixel(5, 5), qRgb(255, 255, 255));

    const QImage test = TFAbbild::Aufnehmen(panel.get(), 145, 373);
    QVERIFY(RotePixel(test, QRect(455, 27, 90, 16)) > 20);
    QCOMPARE(RotePixel(test, QRect(0, 0, 455, 400)), 0);
}

void TstAbbild::stempelAufKleinemPanel()
{
    auto panel = WeissesPanel(100, 80);
    const QImage bild = TFAbbild::Aufnehmen(panel.get(), 480, 340);
    QCOMPARE(bild.size(), QSize(100, 80));
    QCOMPARE(RotePixel(bild, bild.rect()), 0); // the corner lies outside: no stamp
}

void TstAbbild::jpgEndung_data()
{
    QTest::addColumn<QString>("gewaehlt");
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("png") << "/a/x.png"
                         << "/a/x.jpg";
    QTest::newRow("jpg") << "/a/x.jpg"
                         << "/a/x.jpg";
    QTest::newRow("JPEG") << "/a/x.JPEG"
                          << "/a/x.jpg";
    QTest::newRow("ohne") << "/a/x"
                          << "/a/x.jpg";
    QTest::newRow("Punkt am Ende") << "/a/x."
                                   << "/a/x.jpg";
    QTest::newRow("zwei Endungen") << "/a/x.tar.gz"
                                   << "/a/x.tar.jpg";
    QTest::newRow("Punkt im Ordner") << "/a.b/x"
                                     << "/a.b/x.jpg";
}

void TstAbbild::jpgEndung()
{
    QFETCH(QString, gewaehlt);
    QFETCH(QString, gespeichert);
    QCOMPARE(TFAbbild::MitJpgEndung(gewaehlt), gespeichert);
}

void TstAbbild::speichernErzwingtJpg()
{
    auto panel = BuntesPanel();
    TFAbbild fenster(TFAbbild::Aufnehmen(panel.get(), 480, 340), m_shots.path());
    DateidialogAttrappe dialog;
    const QString gewaehlt = QDir(m_shots.path()).filePath("x.png");
    dialog.antworten(gewaehlt);
    QTest::mouseClick(fenster.findChild<QPushButton *>("BSave"), Qt::LeftButton);
    QCOMPARE(dialog.titel(), QStringList{"Abbildung speichern"});
    QCOMPARE(dialog.ordner(), QStringList{m_shots.path()});
    QVERIFY(!QFile::exists(gewaehlt));
    const QString jpg = QDir(m_shots.path()).filePath("x.jpg");
    const QByteArray inhalt = DateiLesen(jpg);
    QCOMPARE(Rahmenart(inhalt), 0xC2);
    const QImage gelesen = QImage::fromData(inhalt, "JPEG");
    QCOMPARE(gelesen.size(), QSize(400, 300));
    QCOMPARE(m_meldungen.texte(), QStringList());

    // Cancelled: nothing is written.
    dialog.antworten(QString());
    fenster.BSaveClick();
    QCOMPARE(QDir(m_shots.path()).entryList(QDir::Files), QStringList{"x.jpg"});
}

void TstAbbild::qualitaetUndProgressiv()
{
    auto panel = BuntesPanel();
    TFAbbild fenster(TFAbbild::Aufnehmen(panel.get(), 480, 340), m_shots.path());
    auto *slider = fenster.findChild<QSlider *>("Slider1");
    DateidialogAttrappe dialog;
    QByteArray dateien[2];
    const int werte[2] = {36, 100};
    for (int i = 0; i < 2; ++i) {
        slider->setValue(werte[i]);
        const QString pfad = QDir(m_shots.path()).filePath(QStringLiteral("q%1.jpg").arg(werte[i]));
        dialog.antworten(pfad);
        fenster.BSaveClick();
        dateien[i] = DateiLesen(pfad);
        QCOMPARE(Rahmenart(dateien[i]), 0xC2);
        QCOMPARE(QImage::fromData(dateien[i], "JPEG").size(), QSize(400, 300));
    }
    QVERIFY2(dateien[0].size() < dateien[1].size(),
             qPrintable(QStringLiteral("%1 / %2").arg(dateien[0].size()).arg(dateien[1].size())));
    slider->setValue(10);
    QCOMPARE(slider->value(), 36);
}

// The dialog asked about "x.png"; an existing "x.jpg" is replaced only after asking.
void TstAbbild::vorhandeneJpgDatei()
{
    auto panel = BuntesPanel();
    TFAbbild fenster(TFAbbild::Aufnehmen(panel.get(), 480, 340), m_shots.path());
    const QString jpg = QDir(m_shots.path()).filePath("alt.jpg");
    DateiSchreiben(jpg, "altes Bild");
    DateidialogAttrappe dialog;
    dialog.antworten(QDir(m_shots.path()).filePath("alt.png"));
    m_meldungen.antworten(Meldungen::Antwort::Nein);
    fenster.BSaveClick();
    QCOMPARE(m_meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::FrageJaNein);
    QCOMPARE(DateiLesen(jpg), QByteArray("altes Bild"));

    dialog.antworten(QDir(m_shots.path()).filePath("alt.png"));
    m_meldungen.antworten(Meldungen::Antwort::Ja);
    fenster.BSaveClick();
    QCOMPARE(Rahmenart(DateiLesen(jpg)), 0xC2);
}

void TstAbbild::speichernScheitert()
{
    auto panel = BuntesPanel();
    TFAbbild fenster(TFAbbild::Aufnehmen(panel.get(), 480, 340), m_shots.path());
    DateidialogAttrappe dialog;
    const QString pfad = QDir(m_shots.path()).filePath("fehlt/x.jpg");
    dialog.antworten(pfad);
    fenster.BSaveClick();
    QCOMPARE(m_meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::Fehler);
    QVERIFY(m_meldungen.texte().front().contains("x.jpg"));
    QVERIFY(!QFile::exists(pfad));
}

void TstAbbild::keinBild()
{
    TFAbbild fenster(QImage(), m_shots.path());
    DateidialogAttrappe dialog;
    fenster.BSaveClick();
    QCOMPARE(m_meldungen.texte(), QStringList{"Kein Bild im Speicher"});
    QVERIFY(dialog.titel().isEmpty());
}

void TstAbbild::zwischenablage()
{
    auto panel = BuntesPanel();
    TFAbbild fenster(TFAbbild::Aufnehmen(panel.get(), 480, 340), m_shots.path());
    ZwischenablageAttrappe ablage;
    QTest::mouseClick(fenster.findChild<QToolButton *>("bsSkinSpeedButton1"), Qt::LeftButton);
    QCOMPARE(ablage.bild, fenster.bild());
    QVERIFY(!ablage.bild.isNull());
}

QTEST_MAIN(TstAbbild)
#include "tst_abbild.moc"
