#include "info.h"

#include "anbieter.h"
#include "internet.h"
#include "meldungen.h"
#include "programmstart.h"
#include "werkzeuge.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The background: a calm gradient with a few faint number balls on the right.
QPixmap Hintergrund()
{
    QPixmap bild(TFInfo::Breite, TFInfo::Hoehe);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, TFInfo::Breite, TFInfo::Hoehe);
    verlauf.setColorAt(0, QColor(0xf4, 0xf7, 0xfc));
    verlauf.setColorAt(1, QColor(0xc9, 0xd9, 0xf0));
    maler.fillRect(bild.rect(), verlauf);
    maler.setPen(Qt::NoPen);
    const struct
    {
        int x, y, r, zahl;
    } kugeln[] = {{328, 62, 34, 6}, {374, 28, 20, 49}, {374, 104, 18, 13}};
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    for (const auto &k : kugeln) {
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(0x1f, 0x5f, 0xaf, 40));
        maler.drawEllipse(QPoint(k.x, k.y), k.r, k.r);
        maler.setPen(QColor(0x1f, 0x5f, 0xaf, 90));
        schrift.setPixelSize(k.r);
        maler.setFont(schrift);
        maler.drawText(QRect(k.x - k.r, k.y - k.r, 2 * k.r, 2 * k.r), Qt::AlignCenter, QString::number(k.zahl));
    }
    return bild;
}

QLabel *Zeile(const char *name, const QString &text, QWidget *eltern)
{
    auto *label = new QLabel(text, eltern);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TFInfo::TFInfo(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QLatin1String(Anbieter::Programmname));
    setFixedSize(Breite, Hoehe);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(Hintergrund());
    image1->setGeometry(0, 0, Breite, Hoehe);

    auto *layout = new QVBoxLayout(image1);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(4);
    auto *name = new QLabel(QLatin1String(Anbieter::Programmname), image1);
    name->setObjectName(QStringLiteral("LProgramm"));
    QFont gross = name->font();
    gross.setPointSizeF(gross.pointSizeF() * 2.2);
    gross.setBold(true);
    name->setFont(gross);
    name->setStyleSheet(QStringLiteral("color: #1f3f75;"));
    layout->addWidget(name);
    auto *version = new QLabel(QStringLiteral("Version ") + ProgrammVersion(), image1);
    version->setObjectName(QStringLiteral("LVersion"));
    layout->addWidget(version);
    auto *zweck = new QLabel(QStringLiteral("Systeme und Tippreihen für Zahlenlotterien"), image1);
    zweck->setStyleSheet(QStringLiteral("color: #404a5a;"));
    layout->addWidget(zweck);
    layout->addStretch();

    auto *panel1 = new QFrame(image1);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    panel1->setStyleSheet(QStringLiteral("#Panel1 { background-color: rgba(255, 255, 255, 170); }"));
    auto *kontakt = new QVBoxLayout(panel1);
    kontakt->setContentsMargins(12, 8, 12, 8);
    kontakt->setSpacing(1);
    QLabel *lName = Zeile("LName", Anbieter::Name(), panel1);
    QFont fett = lName->font();
    fett.setBold(true);
    lName->setFont(fett);
    kontakt->addWidget(lName);
    kontakt->addWidget(Zeile("LStrasse", Anbieter::Strasse(), panel1));
    kontakt->addWidget(Zeile("LPLZOrt", Anbieter::PlzOrt(), panel1));
    kontakt->addSpacing(4);
    m_lMail = Zeile("LMail", Anbieter::Mail(), panel1);
    QFont unterstrichen = m_lMail->font();
    unterstrichen.setUnderline(true);
    m_lMail->setFont(unterstrichen);
    m_lMail->setStyleSheet(QStringLiteral("color: #1f5faf;"));
    m_lMail->setCursor(Qt::PointingHandCursor);
    m_lMail->setToolTip(QStringLiteral("Eine E-Mail schreiben"));
    m_lMail->installEventFilter(this);
    kontakt->addWidget(m_lMail);
    kontakt->addWidget(Zeile("LTelefon", Anbieter::Telefon(), panel1));
    kontakt->addWidget(Zeile("LFax", Anbieter::Fax(), panel1));
    layout->addWidget(panel1);

    layout->addSpacing(8);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    auto *schliessen = new QPushButton(QStringLiteral("Schließen"), image1);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    schliessen->setMinimumSize(100, 28);
    unten->addWidget(schliessen);
    layout->addLayout(unten);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
}

bool TFInfo::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == m_lMail && ereignis->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(ereignis)->button() == Qt::LeftButton
        && m_lMail->rect().contains(static_cast<QMouseEvent *>(ereignis)->position().toPoint())) {
        LMailClick();
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TFInfo::LMailClick()
{
    if (!Programmstart::Oeffnen(Anbieter::MailLink()))
        Meldungen::Information(this,
                               QStringLiteral("Es konnte kein E-Mail-Programm gestartet werden. Sie erreichen "
                                              "uns unter der Adresse %1.")
                                   .arg(Anbieter::Mail()));
}

void WebseiteOeffnen(QWidget *eltern)
{
    if (!InternetVerbunden()) {
        Meldungen::Information(eltern,
                               QStringLiteral("Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen."));
        return;
    }
    if (!Programmstart::Oeffnen(QUrl(Anbieter::Webadresse())))
        Meldungen::Information(
            eltern,
            QStringLiteral("Die Seite %1 konnte nicht im Browser geöffnet werden.").arg(Anbieter::Webadresse()));
}
