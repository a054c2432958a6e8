#include "fehlt.h"

#include "meldungen.h"
#include "zwischenablage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int Clientbreite = 771;
constexpr int Clienthoehe = 435;

struct Spalte
{
    const char *titel;
    const char *memo;
    const char *anzahl;
    const char *knopf;
};

// Category 0..3: in no row, in one, in two, in more than two.
constexpr std::array<Spalte, AuftretenKategorien> Spalten{{
    {"Fehlende Kombinationen", "m0", "LAnz0", "bsSkinSpeedButton3"},
    {"1 x vertretene Kombinationen", "m1", "LAnz1", "bsSkinSpeedButton2"},
    {"2 x vertretene Kombinationen", "m2", "LAnz2", "bsSkinSpeedButton1"},
    {"Kombinationen > 2 vertreten", "m3", "LAnz3", "bsSkinSpeedButton4"},
}};

int Stellen(int n)
{
    int s = 1;
    while (n >= 10) {
        n /= 10;
        ++s;
    }
    return s;
}

// Writes the decimal digits of a position (1..255) at p and returns the end.
QChar *ZahlSchreiben(QChar *p, int zahl)
{
    char puffer[4];
    int n = 0;
    do {
        puffer[n++] = char('0' + zahl % 10);
        zahl /= 10;
    } while (zahl > 0);
    while (n > 0)
        *p++ = QLatin1Char(puffer[--n]);
    return p;
}

} // namespace

QString KombinationAlsText(std::span<const int> positionen)
{
    QString text;
    text.reserve(qsizetype(positionen.size()) * 4);
    for (std::size_t i = 0; i < positionen.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        text += QString::number(positionen[i]);
    }
    return text;
}

std::optional<QString> KombinationslisteAlsText(const Kategorienliste &liste, int kategorie, qsizetype grenze)
{
    if (liste.leer() || kategorie < 0 || kategorie >= AuftretenKategorien)
        return QString();
    const std::uint64_t anzahl = liste.anzahl(kategorie);
    if (anzahl == 0)
        return QString();
    const int k = liste.k();
    // Every line has at least k one-digit positions, k - 1 blanks and CR LF.
    const std::uint64_t kuerzeste = std::uint64_t(2 * k + 1);
    if (grenze < 0 || anzahl > std::uint64_t(grenze) / kuerzeste)
        return std::nullopt;
    const qsizetype laengste = qsizetype(k) * (Stellen(liste.n()) + 1) + 1;
    const std::uint64_t hoechstens = anzahl * std::uint64_t(laengste);
    const qsizetype platz =
        qsizetype(std::min<std::uint64_t>(hoechstens, std::uint64_t(grenze) + std::uint64_t(laengste)));

    QString text(platz, Qt::Uninitialized);
    QChar *const anfang = text.data();
    QChar *p = anfang;
    bool zuLang = false;
    liste.durchlaufen(kategorie, [&](std::uint64_t, std::span<const int> positionen) {
        for (std::size_t i = 0; i < positionen.size(); ++i) {
            if (i > 0)
                *p++ = QLatin1Char(' ');
            p = ZahlSchreiben(p, positionen[i]);
        }
        *p++ = QLatin1Char('\r');
        *p++ = QLatin1Char('\n');
        if (p - anfang > grenze) {
            zuLang = true;
            return false;
        }
        return true;
    });
    if (zuLang)
        return std::nullopt;
    text.resize(p - anfang);
    return text;
}

// ---------------------------------------------------------------------------------------

Kombinationsmodell::Kombinationsmodell(QObject *parent) : QAbstractListModel(parent) { }

void Kombinationsmodell::setzen(const Kategorienliste &liste, int kategorie)
{
    beginResetModel();
    m_liste = liste;
    m_kategorie = std::clamp(kategorie, 0, AuftretenKategorien - 1);
    const std::uint64_t n = anzahl();
    m_abgeschnitten = n > std::uint64_t(Zeilengrenze);
    m_zeilen = m_abgeschnitten ? Zeilengrenze : int(n);
    m_erzeugt = 0;
    endResetModel();
}

std::uint64_t Kombinationsmodell::anzahl() const
{
    return m_liste.leer() ? 0 : m_liste.anzahl(m_kategorie);
}

int Kombinationsmodell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

QVariant Kombinationsmodell::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_zeilen)
        return {};
    ++m_erzeugt;
    if (m_abgeschnitten && index.row() == m_zeilen - 1) {
        const std::uint64_t rest = anzahl() - std::uint64_t(m_zeilen - 1);
        return QStringLiteral("… und %1 weitere").arg(QLocale().toString(qulonglong(rest)));
    }
    const std::uint64_t rang = m_liste.rangDesEintrags(m_kategorie, std::uint64_t(index.row()));
    std::array<int, TrefferMaxK> positionen{};
    const std::span<int> p(positionen.data(), std::size_t(m_liste.k()));
    KombinationAusRang(m_liste.n(), rang, p);
    return KombinationAlsText(p);
}

// ---------------------------------------------------------------------------------------

TFFehlt::TFFehlt(const QString &titel, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FFehlt"));
    setWindowTitle(titel);
    aufbauen();
    resize(Clientbreite, Clienthoehe);
}

void TFFehlt::aufbauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);

    // Top bar: close on the left, the title, saving the position on the right.
    auto *oben = new QHBoxLayout;
    auto *schliessen1 = new QToolButton(this);
    schliessen1->setObjectName(QStringLiteral("BClose1"));
    schliessen1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    schliessen1->setToolTip(QStringLiteral("Schließen"));
    schliessen1->setAutoRaise(true);
    connect(schliessen1, &QToolButton::clicked, this, &QWidget::close);
    oben->addWidget(schliessen1);
    auto *titel = new QLabel(QStringLiteral("Auftreten der Kombinationen"), this);
    titel->setObjectName(QStringLiteral("Label1"));
    QFont titelSchrift = titel->font();
    titelSchrift.setBold(true);
    titelSchrift.setPointSizeF(titelSchrift.pointSizeF() * 1.2);
    titel->setFont(titelSchrift);
    titel->setAlignment(Qt::AlignCenter);
    oben->addWidget(titel, 1);
    m_positionKnopf = new QToolButton(this);
    m_positionKnopf->setObjectName(QStringLiteral("bsSkinSpeedButton13"));
    m_positionKnopf->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_positionKnopf->setToolTip(QStringLiteral("Fensterposition speichern"));
    m_positionKnopf->setAutoRaise(true);
    connect(m_positionKnopf, &QToolButton::clicked, this, [this] { emit positionSpeichernAngefordert(x(), y()); });
    oben->addWidget(m_positionKnopf);
    layout->addLayout(oben);

    // The size k: one box ticked at a time; a click on the ticked one keeps it ticked.
    auto *groessen = new QHBoxLayout;
    groessen->setSpacing(10);
    auto *anzeige = new QLabel(QStringLiteral("Anzeige für Kombinationen..."), this);
    anzeige->setObjectName(QStringLiteral("Label6"));
    groessen->addWidget(anzeige);
    m_groessen = new QButtonGroup(this);
    m_groessen->setExclusive(true);
    for (int k = 2; k <= 9; ++k) {
        auto *box = new QCheckBox(QStringLiteral("%1er").arg(k), this);
        box->setObjectName(QStringLiteral("cbk%1").arg(k));
        box->setProperty("Tag", k);
        box->setEnabled(false);
        m_groessen->addButton(box, k);
        m_cbk[std::size_t(k - 2)] = box;
        groessen->addWidget(box);
    }
    m_cbk[0]->setChecked(true);
    connect(m_groessen, &QButtonGroup::idClicked, this, [this](int k) { KombinationenAnzeigen(k); });
    groessen->addStretch(1);
    layout->addLayout(groessen);

    auto *spalten = new QHBoxLayout;
    spalten->setSpacing(8);
    for (int c = 0; c < AuftretenKategorien; ++c)
        spalten->addWidget(spalteAufbauen(c), 1);
    layout->addLayout(spalten, 1);

    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    auto *schliessen2 = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen2->setObjectName(QStringLiteral("BClose2"));
    connect(schliessen2, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(schliessen2);
    layout->addLayout(unten);
}

QWidget *TFFehlt::spalteAufbauen(int kategorie)
{
    const Spalte &s = Spalten[std::size_t(kategorie)];
    auto *spalte = new QWidget(this);
    // The four columns share the width equally, whatever their captions need.
    spalte->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *layout = new QVBoxLayout(spalte);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *titel = new QLabel(QString::fromUtf8(s.titel), spalte);
    titel->setAlignment(Qt::AlignCenter);
    layout->addWidget(titel);

    auto *modell = new Kombinationsmodell(this);
    auto *memo = new QListView(spalte);
    memo->setObjectName(QLatin1String(s.memo));
    // Equal line heights let the view place any line without asking the model for the others.
    memo->setUniformItemSizes(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    memo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    memo->setModel(modell);
    layout->addWidget(memo, 1);
    m_modelle[std::size_t(kategorie)] = modell;
    m_memos[std::size_t(kategorie)] = memo;

    auto *zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Anzahl"), spalte));
    auto *anzahl = new QLabel(QStringLiteral("0"), spalte);
    anzahl->setObjectName(QLatin1String(s.anzahl));
    anzahl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zeile->addWidget(anzahl, 1);
    layout->addLayout(zeile);
    m_anzahlen[std::size_t(kategorie)] = anzahl;

    auto *knopf = new QPushButton(QStringLiteral("Reihen in die Zwischenablage"), spalte);
    knopf->setObjectName(QLatin1String(s.knopf));
    connect(knopf, &QPushButton::clicked, this, [this, kategorie] { kopieren(kategorie); });
    layout->addWidget(knopf);
    return spalte;
}

void TFFehlt::ergebnisSetzen(const Trefferergebnis &ergebnis)
{
    m_ergebnis = ergebnis;
    // Sizes from the lowest evaluated k up to one below the largest; nothing without a result.
    const bool vorhanden = ergebnis.fehler == Trefferfehler::Keiner && !ergebnis.proK.empty();
    const int kmin = ergebnis.kmin;
    const int kmax = ergebnis.kmin + int(ergebnis.proK.size()) - 1;
    for (int k = 2; k <= 9; ++k)
        m_cbk[std::size_t(k - 2)]->setEnabled(vorhanden && kmin <= k && k <= kmax - 1);
}

void TFFehlt::KombinationenAnzeigen(int k)
{
    m_angezeigt = k;
    const TrefferProK *proK = m_ergebnis.fuerK(k);
    const Kategorienliste leer;
    const Kategorienliste &liste = proK ? proK->kategorien : leer;
    const QLocale locale;
    for (int c = 0; c < AuftretenKategorien; ++c) {
        Kombinationsmodell *modell = m_modelle[std::size_t(c)];
        modell->setzen(liste, c);
        m_memos[std::size_t(c)]->scrollToTop();
        m_anzahlen[std::size_t(c)]->setText(locale.toString(qulonglong(modell->anzahl())));
    }
}

void TFFehlt::kopieren(int kategorie)
{
    const Kombinationsmodell &modell = *m_modelle[std::size_t(kategorie)];
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> text =
        KombinationslisteAlsText(modell.liste(), modell.kategorie(), ZwischenablageGrenze);
    QApplication::restoreOverrideCursor();
    if (!text) {
        const QLocale locale;
        Meldungen::Information(
            this,
            QStringLiteral("Die Liste ist mit %1 Kombinationen zu lang für die Zwischenablage (mehr als %2 "
                           "Zeichen).\n\nIch breche ab.")
                .arg(locale.toString(qulonglong(modell.anzahl())), locale.toString(qlonglong(ZwischenablageGrenze))));
        return;
    }
    Zwischenablage::TextSetzen(*text);
}
