#include "seitetippreihen.h"

#include "ankreuzfeld.h"
#include "dateidialoge.h"
#include "dateischreiben.h"
#include "meldungen.h"
#include "reihenzustand.h"
#include "tippreihenmodell.h"
#include "tippreihentext.h"
#include "zwischenablage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QGroupBox *Gruppe(const QString &titel, QWidget *parent)
{
    auto *gruppe = new QGroupBox(titel, parent);
    auto *layout = new QVBoxLayout(gruppe);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    return gruppe;
}

QPushButton *Knopf(const QString &name, const QString &text, QGroupBox *gruppe)
{
    auto *knopf = new QPushButton(text, gruppe);
    knopf->setObjectName(name);
    knopf->setMinimumHeight(34);
    gruppe->layout()->addWidget(knopf);
    return knopf;
}

} // namespace

SeiteTippreihen::SeiteTippreihen(const ReihenZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(6);

    auto *oben = new QHBoxLayout;
    oben->setSpacing(10);

    m_gruppe = new QGroupBox(QStringLiteral("Tippreihen"), this);
    m_gruppe->setObjectName(QStringLiteral("GroupG1"));
    auto *gruppeLayout = new QVBoxLayout(m_gruppe);
    gruppeLayout->setContentsMargins(6, 4, 6, 6);
    m_modell = new Tippreihenmodell(QStringLiteral("  Z. "), this);
    m_g1 = new QTableView(m_gruppe);
    m_g1->setObjectName(QStringLiteral("g1"));
    m_g1->setModel(m_modell);
    m_g1->verticalHeader()->hide();
    m_g1->verticalHeader()->setMinimumSectionSize(16);
    m_g1->verticalHeader()->setDefaultSectionSize(16);
    m_g1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_g1->horizontalHeader()->setMinimumSectionSize(20);
    m_g1->horizontalHeader()->setDefaultSectionSize(40);
    m_g1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_g1->horizontalHeader()->setHighlightSections(false);
    // "  Z. 10" must fit into a 40-pixel column.
    QFont kopfSchrift = m_g1->horizontalHeader()->font();
    kopfSchrift.setPointSizeF(kopfSchrift.pointSizeF() * 0.85);
    m_g1->horizontalHeader()->setFont(kopfSchrift);
    m_g1->setSelectionMode(QAbstractItemView::NoSelection);
    m_g1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_g1->setFocusPolicy(Qt::NoFocus);
    m_g1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_g1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_g1->setWordWrap(false);
    // 11 columns of 40 pixels plus frame and scroll bar.
    m_g1->setFixedWidth(11 * 40 + 2 * m_g1->frameWidth() + m_g1->verticalScrollBar()->sizeHint().width());
    gruppeLayout->addWidget(m_g1);
    oben->addWidget(m_gruppe);

    auto *rechts = new QVBoxLayout;
    rechts->setSpacing(6);

    auto *bildenGruppe = Gruppe(QStringLiteral("Wenn System gewählt"), this);
    auto *bilden = Knopf(QStringLiteral("bsSkinSpeedButton7"), QStringLiteral("Tippreihen bilden"), bildenGruppe);
    rechts->addWidget(bildenGruppe);

    auto *csvGruppe = Gruppe(QStringLiteral("Im CSV-Format speichern"), this);
    auto *csvText =
        new QLabel(QStringLiteral("Gespeichert in Textdatei, Zah-\nlen durch Semikola getrennt."), csvGruppe);
    csvGruppe->layout()->addWidget(csvText);
    auto *csv = Knopf(QStringLiteral("BCSV"), QStringLiteral("Speichern..."), csvGruppe);
    connect(csv, &QPushButton::clicked, this, &SeiteTippreihen::BCSVClick);
    rechts->addWidget(csvGruppe);

    auto *ablageGruppe = Gruppe(QStringLiteral("In Zwischenablage kopieren"), this);
    auto *ablage = Knopf(QStringLiteral("bsSkinSpeedButton35"), QStringLiteral("In Zwischen-\nablage"), ablageGruppe);
    connect(ablage, &QPushButton::clicked, this,
            [this] { Zwischenablage::TextSetzen(TippreihenZwischenablage(Zellen(), Reihenbreite())); });
    rechts->addWidget(ablageGruppe);

    auto *testGruppe = Gruppe(QStringLiteral("Zum Systemtest"), this);
    auto *zumTest = Knopf(QStringLiteral("BZumSystest"), QStringLiteral("Zum Test"), testGruppe);
    connect(zumTest, &QPushButton::clicked, this, &SeiteTippreihen::zumSystemtestAngefordert);
    rechts->addWidget(testGruppe);
    rechts->addStretch();
    oben->addLayout(rechts, 1);
    layout->addLayout(oben, 1);

    auto *excelGruppe = new QGroupBox(QStringLiteral("Nach Excel exportieren"), this);
    auto *excelLayout = new QHBoxLayout(excelGruppe);
    excelLayout->setContentsMargins(8, 4, 8, 6);
    excelLayout->setSpacing(12);
    auto *excel = new QPushButton(QStringLiteral("Excel-\nExport"), excelGruppe);
    excel->setObjectName(QStringLiteral("BExcel"));
    excel->setMinimumSize(110, 34);
    excelLayout->addWidget(excel);
    m_mit = new Ankreuzfeld(QStringLiteral("mit Reihennummer und Spaltenüberschriften"), excelGruppe);
    m_mit->setObjectName(QStringLiteral("cbMit"));
    excelLayout->addWidget(m_mit);
    excelLayout->addStretch();
    layout->addWidget(excelGruppe);
    connect(excel, &QPushButton::clicked, this, &SeiteTippreihen::BExcelClick);

    connect(bilden, &QPushButton::clicked, this, [this] {
        // Also after a failure: a broken row file leaves no rows to show.
        emit tippreihenBildenAngefordert();
        reihenAnzeigen();
    });
}

std::vector<QStringList> SeiteTippreihen::Zellen() const
{
    std::vector<QStringList> zellen;
    zellen.reserve(m_zustand.Tippreihen.size());
    for (const auto &reihe : m_zustand.Tippreihen) {
        QStringList z;
        for (int v : reihe)
            z << QString::number(v);
        zellen.push_back(z);
    }
    return zellen;
}

int SeiteTippreihen::Reihenbreite() const
{
    for (const auto &reihe : m_zustand.Tippreihen) {
        if (!reihe.empty())
            return int(reihe.size());
    }
    return 0;
}

void SeiteTippreihen::BCSVClick()
{
    if (m_zustand.Tippreihen.empty() || m_zustand.Tippreihen.front().empty()) {
        Meldungen::Information(this,
                               QStringLiteral("Es gibt keine Tippreihen, die abgespeichert werden könnten."
                                              "\n\nIch breche erst einmal ab."));
        return;
    }
    const QString pfad = Dateidialoge::Speichern(
        this, QStringLiteral("Save file"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("CSV-Trennzeichen getrennt (*.csv *.CSV)"), QString(), false);
    if (pfad.isEmpty())
        return;
    const SchreibErgebnis e = DateiSicherSchreiben(pfad, TippreihenCsv(Zellen()));
    if (!e.ok())
        Meldungen::Fehler(this, SchreibFehlerText(pfad, e));
}

void SeiteTippreihen::reihenAnzeigen()
{
    m_modell->reihenSetzen(m_zustand.Tippreihen, m_zustand.TippreihenBankzahlen);
    // Without rows ("Verteilung anzeigen") the caption keeps the last count.
    if (!m_zustand.Tippreihen.empty() && !m_zustand.Tippreihen.front().empty())
        m_gruppe->setTitle(QStringLiteral("%1 Tippreihen").arg(m_zustand.Tippreihen.size()));
    m_g1->scrollToTop();
}

void SeiteTippreihen::BExcelClick()
{
    // What the grid shows: its rows up to the first empty cell, and its titles.
    std::vector<std::vector<int>> reihen;
    int breiteste = 0;
    for (int r = 0; r < m_modell->rowCount(); ++r) {
        std::vector<int> reihe;
        for (int c = 1; c < m_modell->columnCount(); ++c) {
            const QVariant zahl = m_modell->index(r, c).data();
            if (!zahl.isValid())
                break;
            reihe.push_back(zahl.toInt());
        }
        breiteste = std::max(breiteste, int(reihe.size()));
        reihen.push_back(std::move(reihe));
    }
    QStringList titel;
    if (m_mit->isChecked()) {
        for (int c = 0; c <= breiteste; ++c)
            titel.append(m_modell->headerData(c, Qt::Horizontal).toString());
    }
    emit excelExportAngefordert(reihen, titel);
}

void SeiteTippreihen::gridZeigen(bool sichtbar)
{
    // An expansion that broke off leaves the emptied grid hidden until rows are built again.
    m_g1->setVisible(sichtbar);
}

void SeiteTippreihen::showEvent(QShowEvent *event)
{
    // The rows may have been rebuilt or dropped on another page since the last look.
    reihenAnzeigen();
    QWidget::showEvent(event);
}
