#include "nueberk.h"

#include "anbieter.h"
#include "binomial.h"
#include "meldungen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// An equals sign on a key, the symbol of "compute".
QIcon Rechensymbol()
{
    QPixmap bild(24, 24);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
    maler.setBrush(QColor(0xf2, 0xf2, 0xf2));
    maler.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0x1f, 0x5f, 0xaf));
    maler.drawRect(QRectF(6, 8, 12, 2.5));
    maler.drawRect(QRectF(6, 13.5, 12, 2.5));
    return QIcon(bild);
}

QLineEdit *Zahlenfeld(const char *name, QWidget *eltern)
{
    auto *feld = new QLineEdit(eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setAlignment(Qt::AlignCenter);
    feld->setMaxLength(2);
    // Digits only: letters, signs and blanks never reach the field, typed or pasted.
    feld->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), feld));
    feld->setFixedWidth(48);
    QFont schrift = feld->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.2);
    schrift.setBold(true);
    feld->setFont(schrift);
    return feld;
}

} // namespace

TFNueberK::TFNueberK(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setWindowTitle(QLatin1String(Anbieter::Programmname));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    for (const QString &text :
         {QStringLiteral("Der sogenannte Binomialkoeffizient n über k beschreibt, wie viele Möglichkeiten es gibt, "
                         "aus n vorgegebenen Elementen eine Teilmenge von k Elementen auszuwählen."),
          QStringLiteral("Zu wissen, wie viele Möglichkeiten es für Teilmengen gibt, ist beispielsweise für die "
                         "Errechnung der Chancen für 6 Richtige im Lotto wichtig."),
          QStringLiteral("Geben Sie dafür 49 als n und 6 als k ein.")}) {
        auto *label = new QLabel(text, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addSpacing(4);

    auto *zeile = new QHBoxLayout;
    zeile->setSpacing(8);
    QFont fett = font();
    fett.setBold(true);
    auto *nLabel = new QLabel(QStringLiteral("n"), this);
    nLabel->setFont(fett);
    zeile->addWidget(nLabel);
    m_e1 = Zahlenfeld("e1", this);
    zeile->addWidget(m_e1);
    zeile->addSpacing(8);
    auto *kLabel = new QLabel(QStringLiteral("k"), this);
    kLabel->setFont(fett);
    zeile->addWidget(kLabel);
    m_e2 = Zahlenfeld("e2", this);
    zeile->addWidget(m_e2);
    zeile->addSpacing(8);
    auto *rechnen = new QPushButton(this);
    rechnen->setObjectName(QStringLiteral("BCalc"));
    rechnen->setIcon(Rechensymbol());
    rechnen->setIconSize(QSize(24, 24));
    rechnen->setToolTip(QStringLiteral("Berechnen"));
    rechnen->setFixedSize(40, 34);
    zeile->addWidget(rechnen);
    m_p1 = new QLabel(this);
    m_p1->setObjectName(QStringLiteral("P1"));
    m_p1->setAlignment(Qt::AlignCenter);
    m_p1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_p1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_p1->setFont(fett);
    // Room for the largest result, C(99, 49) with 29 digits and its separators.
    m_p1->setMinimumWidth(
        m_p1->fontMetrics().horizontalAdvance(QStringLiteral("50.445.672.272.782.096.667.406.248.628")) + 32);
    m_p1->setMinimumHeight(30);
    zeile->addWidget(m_p1, 1);
    layout->addLayout(zeile);

    layout->addSpacing(4);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    auto *schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    schliessen->setMinimumSize(100, 30);
    schliessen->setAutoDefault(false);
    unten->addWidget(schliessen);
    layout->addLayout(unten);

    connect(rechnen, &QPushButton::clicked, this, &TFNueberK::BCalcClick);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    // Enter computes once both fields hold a number.
    for (QLineEdit *feld : {m_e1, m_e2}) {
        connect(feld, &QLineEdit::returnPressed, this, [this] {
            if (!m_e1->text().isEmpty() && !m_e2->text().isEmpty())
                BCalcClick();
        });
    }
    setMinimumWidth(520);
    adjustSize();
}

void TFNueberK::BCalcClick()
{
    const NueberKErgebnis ergebnis = NueberKBerechnen(m_e1->text(), m_e2->text());
    if (!ergebnis.ok()) {
        Meldungen::Information(this, NueberKMeldung(ergebnis.pruefung));
        return;
    }
    m_p1->setText(MitTausenderTrennern(ergebnis.wert));
}
