#include "systemtestpro.h"

#include "auswahlzustand.h"
#include "hilfeaufruf.h"
#include "katalogzustand.h"
#include "meldungen.h"
#include "routinen.h"
#include "systemanwenden.h"
#include "systemtestrechnung.h"
#include "testlaeufer.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace {

constexpr int Clientbreite = 1096;
constexpr int Zeilenhoehe = 17;
constexpr int Standardbreite = 48;
// The gauge moves once per this many combinations.
constexpr std::uint64_t Gaugeschritt = 100000;
constexpr int DMin = 4;
constexpr int DMax = 20;

unsigned __int128 Kombinationen(int wz, int kmax, int kmin)
{
    unsigned __int128 summe = 0;
    for (int k = kmin; k <= kmax; ++k)
        summe += NueberK128(wz, k);
    return summe;
}

// g2DrawCell: result cells bold and centred, complete percentages green, the rows striped.
class ProZeichner : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int zeile = index.row();
        const int spalte = index.column();
        const QString text = index.data().toString();
        painter->save();
        QFont schrift = option.font;
        schrift.setItalic(false);
        int ausrichtung = Qt::AlignCenter;
        if (zeile == 0 || spalte == 0) {
            painter->fillRect(option.rect, option.palette.button());
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
            painter->setPen(option.palette.color(QPalette::ButtonText));
            schrift.setBold(false);
            schrift.setPointSize(8);
            if (spalte == 0)
                ausrichtung = Qt::AlignLeft | Qt::AlignVCenter;
        } else {
            QColor farbe = zeile % 2 == 1 ? QColor(Qt::white) : QColor(220, 243, 141);
            if (zeile % 2 == 0 && text == QLatin1String("100,00"))
                farbe = QColor(0, 213, 0);
            painter->fillRect(option.rect, farbe);
            painter->setPen(QColor(192, 192, 192));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
            painter->setPen(Qt::black);
            schrift.setBold(true);
            schrift.setPointSize(8);
        }
        // Long figures (comparisons of a 20-number draw) shrink to their cell instead of being cut.
        while (schrift.pointSize() > 6 && QFontMetrics(schrift).horizontalAdvance(text) > option.rect.width() - 4)
            schrift.setPointSize(schrift.pointSize() - 1);
        painter->setFont(schrift);
        painter->drawText(option.rect.adjusted(2, 0, -2, 0), ausrichtung, text);
        painter->restore();
    }
};

} // namespace

ProTabelle ProTabelleFuellen()
{
    ProTabelle t;
    for (int i = 2; i <= ProMaxK; ++i) {
        t[std::size_t(2 * i - 3)][0] = QString::number(i) + QStringLiteral(" Treffer");
        t[std::size_t(2 * i - 2)][0] = QStringLiteral("      in %");
    }
    t[0][1] = QStringLiteral("Kombinationen");
    t[0][2] = QStringLiteral("Auswertungen");
    for (int j = 0; j <= 6; ++j)
        t[0][std::size_t(j + 3)] = QString::number(j) + QStringLiteral(" Richtige");
    for (int j = 7; j <= ProMaxJ; ++j)
        t[0][std::size_t(j + 3)] = QLatin1Char(' ') + QString::number(j) + QStringLiteral(" Ri.");
    return t;
}

std::array<int, ProSpalten> ProSpaltenbreiten()
{
    std::array<int, ProSpalten> b{};
    b.fill(Standardbreite);
    b[0] = 70;
    b[1] = 100;
    b[2] = 120;
    for (int s = 3; s <= 9; ++s)
        b[std::size_t(s)] = 80;
    return b;
}

int ProMindestTreffer(int rg, int d)
{
    return rg - 2 > d ? rg - d : 2;
}

unsigned __int128 ProRechenoperationen(int tr, int wz, int kmax, int kmin)
{
    return Kombinationen(wz, kmax, kmin) * unsigned(std::max(tr, 0));
}

QString ProZaehltext(unsigned __int128 anzahl, const QLocale &locale)
{
    if (anzahl <= ULLONG_MAX)
        return locale.toString(qulonglong(anzahl));
    // Beyond 64 bits: the digits in groups of three, with the locale's separator.
    QString ziffern;
    while (anzahl > 0) {
        ziffern.prepend(QLatin1Char(char('0' + int(anzahl % 10))));
        anzahl /= 10;
    }
    const QString trenner = locale.groupSeparator();
    for (qsizetype i = ziffern.size() - 3; i > 0; i -= 3)
        ziffern.insert(i, trenner);
    return ziffern;
}

void ProZeileEintragen(ProTabelle &tabelle, int k, int wz, int tr, int rg,
                       const std::array<std::uint64_t, ProMaxJ + 1> *verteilung, const QLocale &locale)
{
    if (k < 2 || k > ProMaxK)
        return;
    const auto zeile = std::size_t(2 * k - 3);
    const unsigned __int128 gesamt = NueberK128(wz, k);
    tabelle[zeile][1] = ProZaehltext(gesamt, locale);
    tabelle[zeile][2] = ProZaehltext(gesamt * unsigned(std::max(tr, 0)), locale);
    if (!verteilung)
        return;
    for (int j = 0; j <= std::min(rg, ProMaxJ); ++j) {
        const std::uint64_t n = (*verteilung)[std::size_t(j)];
        const auto spalte = std::size_t(j + 3);
        if (n == 0) {
            tabelle[zeile][spalte] = QStringLiteral("---");
            tabelle[zeile + 1][spalte] = QStringLiteral("---");
        } else {
            tabelle[zeile][spalte] = Zaehltext(n, locale);
            tabelle[zeile + 1][spalte] = Prozenttext(n, std::uint64_t(gesamt), locale);
        }
    }
}

TFSystemtestpro::TFSystemtestpro(const KatalogZustand &katalog, const AuswahlZustand &auswahl, Testlaeufer &laeufer,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window), m_katalog(katalog), m_auswahl(auswahl), m_laeufer(laeufer)
{
    setObjectName(QStringLiteral("FSystemtestpro"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed in width, so no maximising; it may be minimised (opening it again restores it).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint);
    aufbauen();
    connect(&m_laeufer, &Testlaeufer::fortschritt, this, &TFSystemtestpro::fortschrittZeigen);
    connect(&m_laeufer, &Testlaeufer::beendet, this, &TFSystemtestpro::beendet);
}

TFSystemtestpro::~TFSystemtestpro()
{
    // A run of this window has no one left to show it.
    if (m_meinLauf != 0 && m_laeufer.lauf() == m_meinLauf)
        m_laeufer.stoppen();
}

QString TFSystemtestpro::KeinSystemText()
{
    return QStringLiteral("Diese Analyse funktioniert nur mit einem gespeicherten Spielsystem.\n\nIch breche erst "
                          "einmal ab.");
}

QToolButton *TFSystemtestpro::werkzeugknopf(const char *name, const QIcon &symbol, const QString &hinweis)
{
    auto *knopf = new QToolButton(this);
    knopf->setObjectName(QLatin1String(name));
    knopf->setIcon(symbol);
    knopf->setIconSize(QSize(28, 28));
    knopf->setToolTip(hinweis);
    knopf->setAutoRaise(true);
    return knopf;
}

void TFSystemtestpro::aufbauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(6);

    // Tool bar: close and the main window's tools on the left, position note and help on the right.
    auto *oben = new QHBoxLayout;
    oben->setSpacing(2);
    QToolButton *schliessen = werkzeugknopf("BClose", style()->standardIcon(QStyle::SP_DialogCloseButton),
                                            QStringLiteral("Fenster schließen"));
    connect(schliessen, &QToolButton::clicked, this, &QWidget::close);
    oben->addWidget(schliessen);
    oben->addSpacing(8);
    QToolButton *nueberk = werkzeugknopf("bsSkinSpeedButton6", style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                         QStringLiteral("n über k berechnen"));
    connect(nueberk, &QToolButton::clicked, this, &TFSystemtestpro::nueberKAngefordert);
    oben->addWidget(nueberk);
    QToolButton *kalender = werkzeugknopf(
        "bsSkinSpeedButton14", style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("Kalender"));
    connect(kalender, &QToolButton::clicked, this, &TFSystemtestpro::kalenderAngefordert);
    oben->addWidget(kalender);
    QToolButton *rechner = werkzeugknopf("bsSkinSpeedButton3", style()->standardIcon(QStyle::SP_ComputerIcon),
                                         QStringLiteral("Taschenrechner"));
    connect(rechner, &QToolButton::clicked, this, &TFSystemtestpro::taschenrechnerAngefordert);
    oben->addWidget(rechner);
    QToolButton *update =
        werkzeugknopf("BUpdate", style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("Update-Prüfung"));
    connect(update, &QToolButton::clicked, this, &TFSystemtestpro::updateAngefordert);
    oben->addWidget(update);
    oben->addStretch();
    auto *label10 = new QLabel(QStringLiteral("Fensterposition wird automatisch gespeichert"), this);
    label10->setObjectName(QStringLiteral("Label10"));
    oben->addWidget(label10);
    oben->addSpacing(8);
    QToolButton *hilfe = werkzeugknopf("bsSkinSpeedButton20", style()->standardIcon(QStyle::SP_DialogHelpButton),
                                       QStringLiteral("Hilfe zu Systemtest Pro"));
    connect(hilfe, &QToolButton::clicked, this, [] { Hilfe::Hilfethema(1140); });
    oben->addWidget(hilfe);
    layout->addLayout(oben);

    m_beschreibung = new QLabel(Beschreibungsanfang(), this);
    m_beschreibung->setObjectName(QStringLiteral("LBeschreibung2"));
    m_beschreibung->setWordWrap(true);
    m_beschreibung->setMinimumHeight(34);
    m_beschreibung->setFrameShape(QFrame::StyledPanel);
    m_beschreibung->setMargin(4);
    layout->addWidget(m_beschreibung);

    // d, the coming comparisons, start button and gauge in one row.
    auto *reihe = new QHBoxLayout;
    reihe->setSpacing(8);
    auto *label1 = new QLabel(QStringLiteral("Anzahl Gewinnzahlen"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    reihe->addWidget(label1);
    m_up1 = new QSpinBox(this);
    m_up1->setObjectName(QStringLiteral("Up1"));
    m_up1->setRange(DMin, DMax);
    m_up1->setSingleStep(1);
    m_up1->setValue(6);
    m_up1->setMinimumWidth(56);
    reihe->addWidget(m_up1);
    m_anz = new QLabel(QString::number(m_up1->value()), this);
    m_anz->setObjectName(QStringLiteral("LAnz"));
    m_anz->setAlignment(Qt::AlignCenter);
    m_anz->setMinimumWidth(30);
    QFont gross = m_anz->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    m_anz->setFont(gross);
    reihe->addWidget(m_anz);
    connect(m_up1, &QSpinBox::valueChanged, this, [this](int d) { m_anz->setText(QString::number(d)); });
    reihe->addSpacing(16);
    auto *label2 = new QLabel(QStringLiteral("Rechenoperationen:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    reihe->addWidget(label2);
    m_kombiAnz = new QLabel(this);
    m_kombiAnz->setObjectName(QStringLiteral("LKombiAnz"));
    m_kombiAnz->setAlignment(Qt::AlignCenter);
    m_kombiAnz->setFrameShape(QFrame::Panel);
    m_kombiAnz->setFrameShadow(QFrame::Sunken);
    // Room for 25 digits with separators: the figure of a 20-number draw on a large pool.
    m_kombiAnz->setMinimumWidth(
        QFontMetrics(m_kombiAnz->font()).horizontalAdvance(QStringLiteral("8.888.888.888.888.888.888.888")) + 12);
    reihe->addWidget(m_kombiAnz);
    reihe->addSpacing(16);
    m_testen = new QPushButton(this);
    m_testen->setObjectName(QStringLiteral("BTesten"));
    m_testen->setMinimumSize(130, 28);
    startknopfSetzen(false);
    reihe->addWidget(m_testen);
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    reihe->addWidget(m_gauge, 1);
    layout->addLayout(reihe);

    auto *auswertung = new QGroupBox(QStringLiteral("Vollständige Trefferauswertung"), this);
    auto *auswertungLayout = new QVBoxLayout(auswertung);
    auswertungLayout->setContentsMargins(8, 2, 8, 6);
    auswertungLayout->setSpacing(2);
    m_abbruch = new QLabel(QStringLiteral("Auswertung wurde abgebrochen"), auswertung);
    m_abbruch->setObjectName(QStringLiteral("LAbbruch"));
    m_abbruch->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    QSizePolicy politik = m_abbruch->sizePolicy();
    politik.setRetainSizeWhenHidden(true); // the grid does not jump when it appears
    m_abbruch->setSizePolicy(politik);
    m_abbruch->hide();
    auswertungLayout->addWidget(m_abbruch);

    m_g2 = new QTableWidget(ProZeilen, ProSpalten, auswertung);
    m_g2->setObjectName(QStringLiteral("g2"));
    // The captions of row 0 stand in the grid's header, so they stay in view while the rows
    // of up to 20 Treffer scroll under them.
    m_g2->horizontalHeader()->setFixedHeight(Zeilenhoehe + 2);
    QFont kopfschrift = m_g2->horizontalHeader()->font();
    kopfschrift.setPointSize(8);
    m_g2->horizontalHeader()->setFont(kopfschrift);
    m_g2->verticalHeader()->hide();
    m_g2->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    m_g2->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    m_g2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_g2->horizontalHeader()->setMinimumSectionSize(20);
    m_g2->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const auto breiten = ProSpaltenbreiten();
    int breite = 0;
    for (int s = 0; s < ProSpalten; ++s) {
        m_g2->setColumnWidth(s, breiten[std::size_t(s)]);
        breite += breiten[std::size_t(s)];
    }
    m_g2->setShowGrid(false);
    m_g2->setSelectionMode(QAbstractItemView::NoSelection);
    m_g2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_g2->setFocusPolicy(Qt::NoFocus);
    m_g2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_g2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_g2->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_g2->setWordWrap(false);
    m_g2->setItemDelegate(new ProZeichner(m_g2));
    const int rollleiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_g2->setFixedWidth(breite + rollleiste + 2 * m_g2->frameWidth());
    // The rows of up to 12 Treffer stay in view; the rest scrolls. Taller windows show more.
    const int kopf = m_g2->horizontalHeader()->height();
    m_g2->setMinimumHeight(kopf + 24 * Zeilenhoehe + 2 * m_g2->frameWidth());
    m_g2->setMaximumHeight(kopf + (ProZeilen - 1) * Zeilenhoehe + 2 * m_g2->frameWidth());
    for (int z = 0; z < ProZeilen; ++z)
        for (int s = 0; s < ProSpalten; ++s)
            m_g2->setItem(z, s, new QTableWidgetItem);
    m_g2->setRowHidden(0, true);
    m_tabelle = ProTabelleFuellen();
    tabelleZeigen();
    auswertungLayout->addWidget(m_g2, 1, Qt::AlignHCenter);
    layout->addWidget(auswertung, 1);

    auto *hinweis = new QLabel(Bankzahlhinweis(), this);
    hinweis->setObjectName(QStringLiteral("bsSkinStdLabel19"));
    hinweis->setWordWrap(true);
    QFont klein = hinweis->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    hinweis->setFont(klein);
    layout->addWidget(hinweis);

    auto *unten = new QHBoxLayout;
    unten->addStretch();
    auto *zu = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Sch&ließen"), this);
    zu->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    zu->setMinimumSize(110, 28);
    connect(zu, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(zu);
    layout->addLayout(unten);

    connect(m_testen, &QPushButton::clicked, this, &TFSystemtestpro::BTestenClick);

    setFixedWidth(Clientbreite);
    resize(Clientbreite, sizeHint().height());
}

void TFSystemtestpro::symbolSetzen(const QString &knopfname, const QIcon &symbol)
{
    if (auto *knopf = findChild<QToolButton *>(knopfname))
        knopf->setIcon(symbol);
}

int TFSystemtestpro::anzahlGewinnzahlen() const
{
    return m_up1->value();
}

void TFSystemtestpro::anzahlGewinnzahlenSetzen(int d)
{
    m_up1->setValue(std::clamp(d, DMin, DMax));
}

void TFSystemtestpro::einstellungenSetzen(int anzGZ, QPoint position)
{
    m_anzGZ = anzGZ;
    m_position = position;
}

void TFSystemtestpro::oeffnen(int reihengroesse, const QString &beschreibung)
{
    anzahlGewinnzahlenSetzen(reihengroesse);
    m_beschreibung->setText(beschreibung);
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QPoint TFSystemtestpro::Startposition(QPoint gespeichert, QSize fenster, QSize bildschirm)
{
    const int links = gespeichert.x() != KeinePosition ? gespeichert.x() : (bildschirm.width() - fenster.width()) / 2;
    const int oben = gespeichert.y() != KeinePosition ? gespeichert.y() : (bildschirm.height() - fenster.height()) / 2;
    return {links, oben};
}

void TFSystemtestpro::showEvent(QShowEvent *event)
{
    if (!m_gezeigt) {
        m_gezeigt = true;
        if (m_anzGZ != 0)
            anzahlGewinnzahlenSetzen(m_anzGZ);
        const QScreen *erster = QGuiApplication::primaryScreen();
        const QSize bildschirm = erster ? erster->geometry().size() : QSize(Clientbreite, height());
        // The window fits the monitor's free height; the grid gives up rows, not the controls.
        if (erster && height() > erster->availableGeometry().height() - 40)
            resize(width(), std::max(minimumHeight(), erster->availableGeometry().height() - 40));
        // The client area's corner, as it is saved: exact on every platform, where a move()
        // before the frame is known lands differently from one window system to the next.
        setGeometry(QRect(Startposition(m_position, size(), bildschirm), size()));
    }
    QWidget::showEvent(event);
}

void TFSystemtestpro::closeEvent(QCloseEvent *event)
{
    // The corner of the client area, which the next window is given back exactly.
    emit schliesst(m_up1->value(), geometry().topLeft());
    event->accept();
}

void TFSystemtestpro::tabelleZeigen()
{
    for (int z = 0; z < ProZeilen; ++z)
        for (int s = 0; s < ProSpalten; ++s)
            m_g2->item(z, s)->setText(m_tabelle[std::size_t(z)][std::size_t(s)]);
    QStringList kopf;
    for (const QString &text : m_tabelle[0])
        kopf.push_back(text.trimmed());
    m_g2->setHorizontalHeaderLabels(kopf);
}

void TFSystemtestpro::startknopfSetzen(bool laeuft)
{
    m_testen->setText(laeuft ? QStringLiteral("Test stoppen") : QStringLiteral("Test starten"));
    m_testen->setIcon(style()->standardIcon(laeuft ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
}

void TFSystemtestpro::BTestenClick()
{
    // A start while any test of the program runs only stops it; an own-rows test also loses
    // this window's gauge.
    if (m_laeufer.eigenenTestStoppen()) {
        m_gauge->setValue(m_gauge->minimum());
        return;
    }
    if (m_laeufer.stoppen())
        return;

    const int index = m_auswahl.Systemindex;
    if (index < 0 || index >= int(m_katalog.Systemliste.size())) {
        Meldungen::Information(this, KeinSystemText());
        return;
    }
    if (m_beschreibung->text() == Beschreibungsanfang())
        m_beschreibung->setText(m_auswahl.Systembeschreibung);

    const TSysteme s = m_katalog.Systemliste[std::size_t(index)];
    const int rg = s.RG;
    const int wz = s.WZ;
    const int tr = s.TR;
    const int kmax = std::min(m_up1->value(), wz);
    // The lottery's numbers that are neither in the pool nor bankers; negative when the
    // chosen row size leaves no room, and then nothing is evaluated.
    const int d = m_auswahl.biggestZZ - wz - (m_auswahl.Tippreihengroesse - rg);
    const int kmin = ProMindestTreffer(rg, d);
    m_kombiAnz->setText(ProZaehltext(ProRechenoperationen(tr, wz, kmax, kmin), QLocale()));

    startknopfSetzen(true);
    m_abbruch->hide();
    // The gauge holds an int: a larger total is shown in proportion.
    const unsigned __int128 gesamt = Kombinationen(wz, kmax, kmin);
    m_teiler = gesamt > INT_MAX ? std::uint64_t(gesamt / INT_MAX + 1) : 1;
    m_gauge->setRange(0, gesamt == 0 ? 1 : int(gesamt / m_teiler));
    m_gauge->setValue(0);
    for (auto &zeile : m_verteilung)
        zeile.fill(0);
    m_tabelle = ProTabelleFuellen();
    tabelleZeigen();
    m_wz = wz;
    m_rg = rg;
    m_tr = tr;
    m_kmin = kmin;
    m_kmax = kmax;

    std::vector<Reihenmenge> reihen;
    if (index >= m_katalog.AnzahlStandardsysteme) {
        const Eigensystemdaten daten = EigensystemLaden(m_katalog, index);
        if (daten.fehlt || daten.gelesen.fehler != EsyFehler::Keiner) {
            startknopfSetzen(false);
            if (daten.fehlt)
                Meldungen::Information(this,
                                       QStringLiteral("Die für das Spielsystem benötigte Tippreihen-Datei ")
                                           + daten.dateiname
                                           + QStringLiteral(" wurde nicht gefunden.\n\nIch muss abbrechen."));
            else
                Meldungen::Fehler(this, ReihendateiMeldung(daten.gelesen));
            return;
        }
        reihen = daten.reihen;
    }

    if (s.GA >= s.RG || kmin > kmax) {
        // A full system hits every k-subset completely: nothing to enumerate. Nor is there
        // anything when the range of k is empty.
        if (!m_laeufer.direktBeginnen()) {
            startknopfSetzen(false);
            return;
        }
        for (int k = kmin; k <= kmax; ++k) {
            m_verteilung[std::size_t(k)][std::size_t(std::min(k, rg))] = std::uint64_t(NueberK128(wz, k));
            ProZeileEintragen(m_tabelle, k, wz, tr, rg, &m_verteilung[std::size_t(k)], QLocale());
        }
        m_laeufer.direktBeenden();
        tabelleZeigen();
        laufEnde(false);
        return;
    }

    if (index < m_katalog.AnzahlStandardsysteme) {
        const auto katalogReihen = KatalogReihenmengen(index);
        if (!katalogReihen) {
            startknopfSetzen(false);
            Meldungen::Fehler(this, QStringLiteral("Die Daten dieses Systems sind fehlerhaft.\n\nIch muss abbrechen."));
            return;
        }
        reihen = *katalogReihen;
    }

    Trefferauftrag auftrag;
    auftrag.reihen = std::move(reihen);
    auftrag.wz = wz;
    auftrag.kmin = kmin;
    auftrag.kmax = kmax;
    auftrag.auftreten = Auftreten::Nein;
    switch (m_laeufer.starten(std::move(auftrag))) {
    case Testlaeufer::Start::Gestartet:
        m_meinLauf = m_laeufer.lauf();
        // The figures of the first k stand while it is evaluated.
        ProZeileEintragen(m_tabelle, kmin, wz, tr, rg, nullptr, QLocale());
        tabelleZeigen();
        break;
    case Testlaeufer::Start::Stoppanfrage:
        startknopfSetzen(false); // cannot happen here (checked above)
        break;
    case Testlaeufer::Start::Fehlgeschlagen:
        startknopfSetzen(false);
        Meldungen::Fehler(this, TrefferFehlertext(Trefferfehler::ZuWenigSpeicher));
        break;
    }
}

void TFSystemtestpro::fortschrittZeigen(quint64 erledigt)
{
    if (m_meinLauf == 0 || m_laeufer.lauf() != m_meinLauf)
        return;
    const std::uint64_t schritte = erledigt / Gaugeschritt * Gaugeschritt;
    m_gauge->setValue(int(std::min<std::uint64_t>(std::uint64_t(m_gauge->maximum()), schritte / m_teiler)));
    // The figures of every k the run has reached, as it reaches them.
    bool neu = false;
    unsigned __int128 bisher = 0;
    for (int k = m_kmin; k <= m_kmax; ++k) {
        if (m_tabelle[std::size_t(2 * k - 3)][1].isEmpty()) {
            ProZeileEintragen(m_tabelle, k, m_wz, m_tr, m_rg, nullptr, QLocale());
            neu = true;
        }
        bisher += NueberK128(m_wz, k);
        if (bisher > erledigt)
            break;
    }
    if (neu)
        tabelleZeigen();
}

void TFSystemtestpro::beendet(quint64 lauf)
{
    if (m_meinLauf == 0 || lauf != m_meinLauf)
        return;
    m_meinLauf = 0;
    const Trefferergebnis &ergebnis = m_laeufer.ergebnis();
    if (ergebnis.fehler != Trefferfehler::Keiner) {
        startknopfSetzen(false);
        Meldungen::Fehler(this, TrefferFehlertext(ergebnis.fehler));
        return;
    }
    ergebnisEintragen(ergebnis);
    tabelleZeigen();
    laufEnde(ergebnis.abgebrochen);
}

void TFSystemtestpro::ergebnisEintragen(const Trefferergebnis &ergebnis)
{
    for (int k = m_kmin; k <= m_kmax; ++k) {
        const TrefferProK *p = ergebnis.fuerK(k);
        if (!p || (ergebnis.abgebrochen && k > ergebnis.kErreicht))
            break; // a stop: later k were never begun
        auto &zeile = m_verteilung[std::size_t(k)];
        for (int j = 0; j <= ProMaxJ; ++j)
            zeile[std::size_t(j)] = p->verteilung[std::size_t(j)];
        // An interrupted k keeps its figures but shows no partial counts.
        const bool vollstaendig = p->bewertet == std::uint64_t(NueberK128(m_wz, k));
        ProZeileEintragen(m_tabelle, k, m_wz, m_tr, m_rg, vollstaendig ? &zeile : nullptr, QLocale());
    }
}

void TFSystemtestpro::laufEnde(bool abgebrochen)
{
    if (!abgebrochen)
        m_gauge->setValue(m_gauge->maximum());
    startknopfSetzen(false);
    m_abbruch->setVisible(abgebrochen);
}
