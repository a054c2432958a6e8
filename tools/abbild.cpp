#include "abbild.h"

#include "dateidialoge.h"
#include "dateischreiben.h"
#include "jpegkodierer.h"
#include "meldungen.h"
#include "zwischenablage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

int g_aufnahmen = 0;

// Two pages side by side as the copy symbol, for desktops without an icon theme.
QIcon Kopiersymbol()
{
    const QIcon thema = QIcon::fromTheme(QStringLiteral("edit-copy"));
    if (!thema.isNull())
        return thema;
    QPixmap bild(20, 20);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    maler.setBrush(QColor(0xf4, 0xf4, 0xf4));
    maler.drawRect(2, 2, 10, 12);
    maler.drawRect(7, 6, 10, 12);
    return QIcon(bild);
}

QWidget *Balken(QWidget *eltern)
{
    auto *balken = new QFrame(eltern);
    balken->setFixedHeight(TFAbbild::Balkenhoehe);
    balken->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    balken->setAutoFillBackground(true);
    return balken;
}

} // namespace

QImage TFAbbild::Aufnehmen(QWidget *panel, int a, int b)
{
    const QPixmap inhalt = panel->grab();
    if (inhalt.isNull())
        return QImage();
    // A panel without a background of its own would come out black where it is transparent:
    // it lies on the window's colour, as on screen.
    QImage bild(inhalt.size(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(inhalt.devicePixelRatio());
    bild.fill(panel->palette().color(QPalette::Window));
    const int w = panel->width();
    const int h = panel->height();
    QPainter maler(&bild);
    maler.drawPixmap(0, 0, inhalt);
    QFont schrift = QApplication::font();
    schrift.setPointSize(9);
    maler.setFont(schrift);
    maler.setPen(QColor(255, 0, 0));
    maler.setBackgroundMode(Qt::TransparentMode);
    // On a small panel the corner lies outside and the stamp is cut or missing.
    maler.drawText(QRect(w - a, h - b, w + a, h + b), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                   QStringLiteral("© Kombiwerk"));
    return bild;
}

int TFAbbild::Aufnahmen()
{
    return g_aufnahmen;
}

TFAbbild *TFAbbild::Abbilden(QWidget *panel, const QString &titel, int a, int b, const QString &screenshotordner,
                             QWidget *fenster)
{
    const QImage bild = Aufnehmen(panel, a, b);
    auto *abbild = new TFAbbild(bild, screenshotordner, fenster);
    abbild->setObjectName(QStringLiteral("FAbbild%1").arg(++g_aufnahmen));
    abbild->setWindowTitle(titel);

    // Over the main window, but whole on its screen.
    QScreen *bildschirm = fenster ? fenster->screen() : QGuiApplication::primaryScreen();
    const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1280, 1024);
    QSize groesse = abbild->sizeHint().boundedTo(frei.size() - QSize(8, 40));
    abbild->resize(groesse);
    QPoint ecke = fenster ? fenster->geometry().center() - QPoint(groesse.width() / 2, groesse.height() / 2)
                          : frei.center() - QPoint(groesse.width() / 2, groesse.height() / 2);
    ecke.setX(std::clamp(ecke.x(), frei.left(), std::max(frei.left(), frei.right() + 1 - groesse.width())));
    ecke.setY(std::clamp(ecke.y(), frei.top() + 32, std::max(frei.top() + 32, frei.bottom() + 1 - groesse.height())));
    abbild->move(ecke);
    abbild->show();
    return abbild;
}

TFAbbild::TFAbbild(const QImage &bild, const QString &screenshotordner, QWidget *parent)
    : QWidget(parent, Qt::Window), m_bild(bild), m_ordner(screenshotordner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QWidget *oben = Balken(this);
    auto *obenLayout = new QHBoxLayout(oben);
    obenLayout->setContentsMargins(6, 0, 6, 0);
    auto *schliessen = new QToolButton(oben);
    schliessen->setObjectName(QStringLiteral("BClose"));
    schliessen->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    schliessen->setIconSize(QSize(20, 20));
    schliessen->setAutoRaise(true);
    schliessen->setToolTip(QStringLiteral("Fenster schließen"));
    obenLayout->addWidget(schliessen);
    auto *titel = new QLabel(QStringLiteral("Screenshot"), oben);
    titel->setObjectName(QStringLiteral("LTitel"));
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    obenLayout->addWidget(titel);
    obenLayout->addStretch();
    layout->addWidget(oben);

    QWidget *leiste = Balken(this);
    auto *leisteLayout = new QHBoxLayout(leiste);
    leisteLayout->setContentsMargins(6, 0, 6, 0);
    leisteLayout->setSpacing(8);
    auto *speichern = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                      QStringLiteral("Abbild speichern..."), leiste);
    speichern->setObjectName(QStringLiteral("BSave"));
    leisteLayout->addWidget(speichern);
    auto *qualitaet = new QWidget(leiste);
    qualitaet->setObjectName(QStringLiteral("PQual"));
    auto *qualitaetLayout = new QHBoxLayout(qualitaet);
    qualitaetLayout->setContentsMargins(8, 0, 0, 0);
    qualitaetLayout->setSpacing(4);
    qualitaetLayout->addWidget(new QLabel(QStringLiteral("Bild-Qualität"), qualitaet));
    qualitaetLayout->addSpacing(4);
    qualitaetLayout->addWidget(new QLabel(QStringLiteral("-"), qualitaet));
    m_slider1 = new QSlider(Qt::Horizontal, qualitaet);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setRange(36, 100);
    m_slider1->setValue(100);
    m_slider1->setMinimumWidth(110);
    m_slider1->setToolTip(QStringLiteral("Bild-Qualität: 100"));
    qualitaetLayout->addWidget(m_slider1);
    qualitaetLayout->addWidget(new QLabel(QStringLiteral("+"), qualitaet));
    leisteLayout->addWidget(qualitaet);
    leisteLayout->addStretch();
    auto *kopieren = new QToolButton(leiste);
    kopieren->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    kopieren->setIcon(Kopiersymbol());
    kopieren->setIconSize(QSize(20, 20));
    kopieren->setAutoRaise(true);
    kopieren->setToolTip(QStringLiteral("In Zwischenablage kopieren"));
    leisteLayout->addWidget(kopieren);
    layout->addWidget(leiste);

    // The picture in its own size; on a small screen it scrolls.
    m_image1 = new QLabel;
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image1->setPixmap(QPixmap::fromImage(m_bild));
    auto *rollen = new QScrollArea(this);
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidget(m_image1);
    rollen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addSpacing(Zusatzhoehe - 2 * Balkenhoehe);
    layout->addWidget(rollen, 1);

    const QSize bildgroesse = m_bild.isNull() ? QSize(0, 0) : m_bild.deviceIndependentSize().toSize();
    m_image1->resize(bildgroesse);
    const int breite = std::max(bildgroesse.width(), leiste->sizeHint().width());
    rollen->setMinimumSize(std::min(bildgroesse.width(), 200), std::min(bildgroesse.height(), 100));
    m_soll = QSize(breite, bildgroesse.height() + Zusatzhoehe);
    resize(m_soll);

    connect(schliessen, &QToolButton::clicked, this, &QWidget::close);
    connect(speichern, &QPushButton::clicked, this, &TFAbbild::BSaveClick);
    connect(kopieren, &QToolButton::clicked, this, &TFAbbild::bsSkinSpeedButton1Click);
    connect(m_slider1, &QSlider::valueChanged, this,
            [this](int wert) { m_slider1->setToolTip(QStringLiteral("Bild-Qualität: %1").arg(wert)); });
}

QString TFAbbild::MitJpgEndung(const QString &pfad)
{
    const QString endung = QFileInfo(pfad).suffix();
    if (endung.isEmpty())
        return pfad.endsWith(QLatin1Char('.')) ? pfad + QStringLiteral("jpg") : pfad + QStringLiteral(".jpg");
    return pfad.left(pfad.size() - endung.size()) + QStringLiteral("jpg");
}

void TFAbbild::BSaveClick()
{
    if (m_bild.isNull()) {
        Meldungen::Information(this, QStringLiteral("Kein Bild im Speicher"));
        return;
    }
    const QString gewaehlt = Dateidialoge::Speichern(this, QStringLiteral("Abbildung speichern"), m_ordner,
                                                     QStringLiteral("Abbildungen (*.jpg)"), windowTitle());
    if (gewaehlt.isEmpty())
        return;
    const QString pfad = MitJpgEndung(gewaehlt);
    // The dialog asked about the name it was given, not about the one with the new extension.
    if (pfad != gewaehlt && QFileInfo::exists(pfad)
        && Meldungen::FrageJaNein(this,
                                  QStringLiteral("Die Datei \"%1\" gibt es schon.\n\nSoll sie ersetzt werden?")
                                      .arg(QDir::toNativeSeparators(pfad)))
            != Meldungen::Antwort::Ja)
        return;

    const QImage rgb = m_bild.convertToFormat(QImage::Format_RGB888);
    QString fehler;
    const auto jpeg =
        JpegKodieren({rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine()}, m_slider1->value(), &fehler);
    if (!jpeg) {
        Meldungen::Fehler(
            this, QStringLiteral("Das Bild konnte nicht in das JPEG-Format umgewandelt werden: %1").arg(fehler));
        return;
    }
    const SchreibErgebnis ergebnis = DateiSicherSchreiben(pfad, *jpeg);
    if (!ergebnis.ok())
        Meldungen::Fehler(this, SchreibFehlerText(pfad, ergebnis));
}

void TFAbbild::bsSkinSpeedButton1Click()
{
    if (m_bild.isNull()) {
        Meldungen::Information(this, QStringLiteral("Kein Bild im Speicher"));
        return;
    }
    Zwischenablage::BildSetzen(m_bild);
}
