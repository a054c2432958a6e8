#include "zwischen.h"

#include "meldungen.h"
#include "reihenzustand.h"
#include "wahlzahlen.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The numbers arrive one by one, so that the user sees them land on the board.
constexpr int Transfertakt = 20; // ms

QPushButton *Knopf(const char *name, const QString &text, QWidget *eltern)
{
    auto *knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QLatin1String(name));
    knopf->setAutoDefault(false);
    knopf->setMinimumHeight(28);
    return knopf;
}

} // namespace

TFZwischen::TFZwischen(AuswahlZustand &auswahl, const ReihenZustand &reihen, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_auswahl(auswahl),
      m_reihen(reihen)
{
    setObjectName(QStringLiteral("FZwischen"));
    setWindowTitle(QStringLiteral("Kombiwerk"));
    setModal(false);
    setFixedSize(463, 325);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(6);

    auto *kopf = new QHBoxLayout;
    auto *titel = new QLabel(QStringLiteral("Copy & Paste-Tool"), this);
    titel->setObjectName(QStringLiteral("LTitel"));
    QFont titelSchrift = titel->font();
    titelSchrift.setBold(true);
    titelSchrift.setPointSizeF(titelSchrift.pointSizeF() * 1.25);
    titel->setFont(titelSchrift);
    kopf->addWidget(titel, 1);
    auto *zu1 = new QToolButton(this);
    zu1->setObjectName(QStringLiteral("BClose1"));
    zu1->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    zu1->setAutoRaise(true);
    zu1->setToolTip(QStringLiteral("Schließen"));
    kopf->addWidget(zu1, 0, Qt::AlignTop);
    layout->addLayout(kopf);

    auto *hinweis = new QLabel(QStringLiteral("In das Texfeld können über die Zwischenablage Wahlzahlen eingefügt "
                                              "werden. Um diese auslesen zu können, müssen sie jeweils durch Komma. "
                                              "Semikolon oder Leerzeichen voneinander getrennt sein."),
                               this);
    hinweis->setObjectName(QStringLiteral("Label3"));
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    // The memo on the left; the numbers read, their count and "Transfer" in a column of fixed
    // width on the right, so that a scroll bar in the list moves nothing else.
    constexpr int Listenbreite = 150;
    auto *mitte = new QGridLayout;
    mitte->setHorizontalSpacing(10);
    mitte->setVerticalSpacing(6);
    m_m1 = new QPlainTextEdit(this);
    m_m1->setObjectName(QStringLiteral("M1"));
    m_m1->setTabChangesFocus(true);
    mitte->addWidget(m_m1, 0, 0, 3, 1);

    auto *anzahlZeile = new QHBoxLayout;
    anzahlZeile->setSpacing(6);
    anzahlZeile->addWidget(new QLabel(QStringLiteral("Ausgelesene Wahlzahlen:"), this));
    m_anz = new QLabel(QStringLiteral("0"), this);
    m_anz->setObjectName(QStringLiteral("LAnz"));
    QFont fett = m_anz->font();
    fett.setBold(true);
    m_anz->setFont(fett);
    // Room for three digits, so that the column keeps its width whatever the count.
    m_anz->setFixedWidth(QFontMetrics(fett).horizontalAdvance(QStringLiteral("000")) + 2);
    anzahlZeile->addWidget(m_anz);
    anzahlZeile->addStretch();
    mitte->addLayout(anzahlZeile, 0, 1);
    m_l1 = new QListWidget(this);
    m_l1->setObjectName(QStringLiteral("L1"));
    m_l1->setSelectionMode(QAbstractItemView::NoSelection);
    m_l1->setFocusPolicy(Qt::NoFocus);
    m_l1->setFixedWidth(Listenbreite);
    mitte->addWidget(m_l1, 1, 1);
    m_transfer = Knopf("BTransfer", QStringLiteral("Transfer"), this);
    m_transfer->setFixedWidth(Listenbreite);
    mitte->addWidget(m_transfer, 2, 1);
    mitte->setColumnStretch(0, 1);
    mitte->setRowStretch(1, 1);
    layout->addLayout(mitte, 1);

    auto *fuss = new QHBoxLayout;
    fuss->setSpacing(6);
    m_auslesen = Knopf("BAuslesen", QStringLiteral("Auslesen"), this);
    m_undo = Knopf("BUndo", QStringLiteral("Rückgängig"), this);
    m_del = Knopf("BDel", QStringLiteral("Textfeld löschen"), this);
    for (QPushButton *k : {m_auslesen, m_undo, m_del})
        fuss->addWidget(k);
    fuss->addStretch();
    auto *zu2 = Knopf("BClose2", QStringLiteral("Schließen"), this);
    zu2->setFixedWidth(Listenbreite);
    fuss->addWidget(zu2);
    layout->addLayout(fuss);

    for (QPushButton *k : {m_auslesen, m_transfer, m_undo, m_del})
        k->setEnabled(false);

    connect(m_m1, &QPlainTextEdit::textChanged, this, &TFZwischen::M1Change);
    connect(m_auslesen, &QPushButton::clicked, this, &TFZwischen::BAuslesenClick);
    connect(m_transfer, &QPushButton::clicked, this, &TFZwischen::BTransferClick);
    connect(m_undo, &QPushButton::clicked, this, &TFZwischen::BUndoClick);
    connect(m_del, &QPushButton::clicked, this, &TFZwischen::BDelClick);
    connect(zu1, &QToolButton::clicked, this, &QWidget::close);
    connect(zu2, &QPushButton::clicked, this, &QWidget::close);

    m_takt.setInterval(Transfertakt);
    connect(&m_takt, &QTimer::timeout, this, &TFZwischen::naechsteZahl);
}

void TFZwischen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    M1Change();
}

void TFZwischen::M1Change()
{
    const bool text = !m_m1->toPlainText().isEmpty();
    m_auslesen->setEnabled(text);
    m_del->setEnabled(text);
    m_undo->setEnabled(!m_puffer.isEmpty());
}

void TFZwischen::listeSetzen(const std::vector<int> &zahlen)
{
    m_l1->clear();
    for (int z : zahlen)
        m_l1->addItem(QString::number(z));
    m_anz->setText(QString::number(zahlen.size()));
    m_transfer->setEnabled(!zahlen.empty() && !m_takt.isActive());
}

void TFZwischen::BAuslesenClick()
{
    const QString text = m_m1->toPlainText();
    if (text.isEmpty()) {
        Meldungen::Information(this,
                               QStringLiteral("Das Textfeld enthält keine Tippreihen.\n\n"
                                              "Ich breche erst einmal ab."));
        return;
    }
    m_puffer = text;
    listeSetzen({});
    const Wahlzahlenlesung lesung = WahlzahlenAuslesen(text, m_auswahl.biggestZZ);
    if (lesung.text != text)
        m_m1->setPlainText(lesung.text);
    M1Change();
    switch (lesung.fehler) {
    case Wahlzahlenlesung::Fehler::GemischteTrenner:
        Meldungen::Fehler(this,
                          QStringLiteral("Das Zahlenfeld enthält unterschiedliche Trennzeiche.\n\n"
                                         "Ich muss abbrechen."));
        return;
    case Wahlzahlenlesung::Fehler::KeineGanzzahl:
        Meldungen::Fehler(this, QStringLiteral("'%1' ist kein gültiger Integerwert").arg(lesung.feld));
        return;
    case Wahlzahlenlesung::Fehler::Leer:
    case Wahlzahlenlesung::Fehler::Keiner:
        break;
    }
    listeSetzen(lesung.zahlen);
}

void TFZwischen::BTransferClick()
{
    if (m_takt.isActive())
        return;
    if (m_l1->count() == 0) {
        Meldungen::Fehler(this,
                          QStringLiteral("Ich sehe keine Zahlen, die ich transferieren könnte.\n\n"
                                         "Ich muss leider abbrechen."));
        return;
    }
    if (!m_reihen.Poolmenge.leer()) {
        Meldungen::Fehler(this,
                          QStringLiteral("Bitte sorgen Sie erst für klaren Tisch in dem Bereich in den "
                                         "übertragen werden soll.\n\nIch muss leider abbrechen."));
        return;
    }
    // The board takes all of them as pool numbers, whatever system is chosen.
    m_auswahl.PoolSoll = m_l1->count();
    m_warteschlange.clear();
    for (int i = 0; i < m_l1->count(); ++i)
        m_warteschlange.push_back(m_l1->item(i)->text().toInt());
    m_transfer->setEnabled(false);
    naechsteZahl();
    m_takt.start();
}

void TFZwischen::naechsteZahl()
{
    if (m_warteschlange.empty()) {
        m_takt.stop();
        m_transfer->setEnabled(m_l1->count() > 0);
        emit transferBeendet();
        return;
    }
    const int zahl = m_warteschlange.front();
    m_warteschlange.pop_front();
    emit wahlzahlUebertragen(zahl);
}

void TFZwischen::BUndoClick()
{
    if (m_puffer.isEmpty())
        return;
    const QString text = m_puffer;
    m_puffer.clear();
    m_m1->setPlainText(text);
    M1Change();
}

void TFZwischen::BDelClick()
{
    m_puffer = m_m1->toPlainText();
    m_m1->clear();
    M1Change();
}
