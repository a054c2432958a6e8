#include "seiteeigenereihen.h"

#include "ankreuzfeld.h"
#include "auswahlzustand.h"
#include "dateidialoge.h"
#include "dateischreiben.h"
#include "eigenereihenzustand.h"
#include "meldungen.h"
#include "optionsgruppe.h"
#include "reihentext.h"
#include "statistiktafel.h"
#include "zwischenablage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Text files of rows larger than this are not loaded into the memo (a million rows of ten
// numbers take about 30 MB).
constexpr qint64 MemodateiHoechstgroesse = 64 * 1024 * 1024;

QLabel *Statusfeld(const QString &name, const QString &text, QWidget *parent)
{
    auto *feld = new QLabel(text, parent);
    feld->setObjectName(name);
    feld->setFrameShape(QFrame::Panel);
    feld->setFrameShadow(QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMinimumWidth(54);
    feld->setMaximumWidth(80);
    feld->setFixedHeight(22);
    return feld;
}

QPushButton *Knopf(const QString &name, const QString &text, QWidget *parent)
{
    auto *knopf = new QPushButton(text, parent);
    knopf->setObjectName(name);
    knopf->setMinimumHeight(34);
    return knopf;
}

QToolButton *Symbolknopf(const QString &name, QStyle::StandardPixmap symbol, const QString &hinweis, QWidget *parent)
{
    auto *knopf = new QToolButton(parent);
    knopf->setObjectName(name);
    knopf->setIcon(parent->style()->standardIcon(symbol));
    knopf->setToolTip(hinweis);
    knopf->setAutoRaise(true);
    return knopf;
}

QString Startordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

SeiteEigeneReihen::SeiteEigeneReihen(EigeneReihenZustand &zustand, const AuswahlZustand &auswahl, QWidget *parent)
    : QWidget(parent), m_zustand(zustand), m_auswahl(auswahl)
{
    auto *seite = new QVBoxLayout(this);
    seite->setContentsMargins(6, 2, 6, 2);
    seite->setSpacing(4);
    auto *layout = new QHBoxLayout;
    layout->setSpacing(8);
    seite->addLayout(layout, 1);

    // Left: the memo with its tool bars and the reading's settings.
    auto *links = new QVBoxLayout;
    links->setSpacing(4);
    auto *titel = new QLabel(
        QStringLiteral("Laden Sie hier Tippreihen im Textformat oder importieren Sie Tippreihen aus Excel"), this);
    titel->setWordWrap(true);
    links->addWidget(titel);

    auto *leiste = new QGridLayout;
    leiste->setSpacing(4);
    auto *oeffnen = Knopf(QStringLiteral("bsSkinSpeedButton9"), QStringLiteral("Datei öffnen..."), this);
    auto *einfuegenKnopf =
        Knopf(QStringLiteral("bsSkinSpeedButton8"), QStringLiteral("Zwischenab-\nlage einfügen"), this);
    auto *speichern = Knopf(QStringLiteral("BSave"), QStringLiteral("Datei speichern..."), this);
    auto *kopieren = Knopf(QStringLiteral("BCopy2"), QStringLiteral("Tippreihen in die\nZwischenablage"), this);
    auto *import = Knopf(QStringLiteral("bsSkinSpeedButton15"), QStringLiteral("Excel-\nImport"), this);
    auto *export_ = Knopf(QStringLiteral("BExcelExport"), QStringLiteral("Excel-\nExport"), this);
    leiste->addWidget(oeffnen, 0, 0);
    leiste->addWidget(einfuegenKnopf, 0, 1);
    leiste->addWidget(import, 0, 2);
    leiste->addWidget(speichern, 1, 0);
    leiste->addWidget(kopieren, 1, 1);
    leiste->addWidget(export_, 1, 2);
    links->addLayout(leiste);

    auto *kopf = new QHBoxLayout;
    kopf->setSpacing(2);
    auto *leeren = Symbolknopf(QStringLiteral("BMemoClear"), QStyle::SP_DialogResetButton,
                               QStringLiteral("Textfeld leeren"), this);
    auto *groesser =
        Symbolknopf(QStringLiteral("bsSkinSpeedButton2"), QStyle::SP_ArrowUp, QStringLiteral("Schrift größer"), this);
    auto *kleiner = Symbolknopf(QStringLiteral("bsSkinSpeedButton17"), QStyle::SP_ArrowDown,
                                QStringLiteral("Schrift kleiner"), this);
    m_lDatei = new QLabel(this);
    m_lDatei->setObjectName(QStringLiteral("LDatei"));
    m_lDatei->setTextFormat(Qt::PlainText);
    kopf->addWidget(leeren);
    kopf->addWidget(groesser);
    kopf->addWidget(kleiner);
    kopf->addWidget(m_lDatei, 1);
    links->addLayout(kopf);

    auto *memoZeile = new QHBoxLayout;
    memoZeile->setSpacing(3);
    m_m1 = new QPlainTextEdit(this);
    m_m1->setObjectName(QStringLiteral("M1"));
    m_m1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_m1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPointSize(10);
    m_m1->setFont(arial);
    memoZeile->addWidget(m_m1, 1);
    m_gauge2 = new QProgressBar(this);
    m_gauge2->setObjectName(QStringLiteral("Gauge2"));
    m_gauge2->setOrientation(Qt::Vertical);
    m_gauge2->setTextVisible(false);
    m_gauge2->setRange(0, 1);
    m_gauge2->setValue(0);
    m_gauge2->setFixedWidth(12);
    memoZeile->addWidget(m_gauge2);
    links->addLayout(memoZeile, 1);

    auto *einstellungen = new QHBoxLayout;
    einstellungen->setSpacing(8);
    m_trenner = new Optionsgruppe(QStringLiteral("Trennzeichen"),
                                  {QStringLiteral("Komma"), QStringLiteral("Semikolon"), QStringLiteral("Leerzeichen"),
                                   QStringLiteral("Bindestrich")},
                                  this, Qt::Vertical);
    m_trenner->setObjectName(QStringLiteral("RGTrenner"));
    m_trenner->setItemIndex(0);
    einstellungen->addWidget(m_trenner);
    auto *pruefen = new QVBoxLayout;
    pruefen->setSpacing(3);
    m_detail = new Ankreuzfeld(QStringLiteral("Reihen gründ-\nlich prüfen"), this);
    m_detail->setObjectName(QStringLiteral("cbDetail"));
    m_detail->setToolTip(QStringLiteral("Reihen werden auf unnötige Leerzeichen geprüft."));
    m_detail->setChecked(true);
    pruefen->addWidget(m_detail);
    auto *zahlen = new QGridLayout;
    zahlen->setHorizontalSpacing(6);
    zahlen->setVerticalSpacing(3);
    m_ptr2 = Statusfeld(QStringLiteral("PTR2"), QStringLiteral("0"), this);
    m_ppz2 = Statusfeld(QStringLiteral("PPZ2"), QStringLiteral("0"), this);
    m_pbz22 = Statusfeld(QStringLiteral("PBZ22"), QStringLiteral("0"), this);
    zahlen->addWidget(new QLabel(QStringLiteral("Tippreihen"), this), 0, 0);
    zahlen->addWidget(m_ptr2, 0, 1);
    zahlen->addWidget(new QLabel(QStringLiteral("Poolzahlen"), this), 1, 0);
    zahlen->addWidget(m_ppz2, 1, 1);
    zahlen->addWidget(new QLabel(QStringLiteral("Bankzahlen"), this), 2, 0);
    zahlen->addWidget(m_pbz22, 2, 1);
    zahlen->setColumnStretch(2, 1);
    pruefen->addLayout(zahlen);
    pruefen->addStretch();
    einstellungen->addLayout(pruefen, 1);
    links->addLayout(einstellungen);
    layout->addLayout(links, 1);

    // Right: the statistics and the test.
    auto *rechts = new QVBoxLayout;
    rechts->setSpacing(4);
    m_tafel = Statistiktafel::FuerEigeneReihen(this);
    rechts->addWidget(m_tafel, 0, Qt::AlignHCenter);
    auto *verteilung = Knopf(QStringLiteral("BVerteilungEin"), QStringLiteral("Verteilung anzeigen"), this);
    verteilung->setMinimumHeight(28);
    rechts->addWidget(verteilung);
    auto *testZeile = new QHBoxLayout;
    auto *testen = Knopf(QStringLiteral("BEigReihenTesten"), QStringLiteral("Als System testen"), this);
    testen->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    testZeile->addWidget(testen, 1);
    testZeile->addWidget(new QLabel(QStringLiteral("Treffer-\ngarantie"), this));
    m_pGarantie = Statusfeld(QStringLiteral("PGarantie"), QStringLiteral("?"), this);
    m_pGarantie->setMinimumWidth(36);
    testZeile->addWidget(m_pGarantie);
    rechts->addLayout(testZeile);
    rechts->addStretch();
    layout->addLayout(rechts);

    // Below: saving as an own system and the comparable systems.
    auto *unten = new QHBoxLayout;
    unten->setSpacing(8);
    QFont klein = font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);

    auto *speichernGruppe = new QGroupBox(this);
    auto *speichernLayout = new QVBoxLayout(speichernGruppe);
    speichernLayout->setContentsMargins(6, 4, 6, 4);
    speichernLayout->setSpacing(3);
    auto *speichernText = new QLabel(QStringLiteral("Das Speichern als System setzt einen Systemtest voraus. "
                                                    "Bankzahlen bleiben beim Test außen vor und werden nicht "
                                                    "gespeichert."),
                                     speichernGruppe);
    speichernText->setWordWrap(true);
    speichernText->setFont(klein);
    speichernLayout->addWidget(speichernText);
    m_speichern = Knopf(QStringLiteral("EigSysSave"), QStringLiteral("Als System speichern"), speichernGruppe);
    speichernLayout->addWidget(m_speichern);
    speicherknopfZeigen(false);
    unten->addWidget(speichernGruppe, 3);

    auto *vergleichGruppe = new QGroupBox(this);
    auto *vergleichLayout = new QGridLayout(vergleichGruppe);
    vergleichLayout->setContentsMargins(6, 4, 6, 4);
    vergleichLayout->setSpacing(4);
    auto *vergleichText =
        new QLabel(QStringLiteral("Nach einem Systemtest kann nach internen vergleichbaren Systemen gesucht werden."),
                   vergleichGruppe);
    vergleichText->setWordWrap(true);
    vergleichText->setFont(klein);
    vergleichLayout->addWidget(vergleichText, 0, 0, 1, 4);
    auto *suchen = Knopf(QStringLiteral("BSuchen"), QStringLiteral("Suchen"), vergleichGruppe);
    vergleichLayout->addWidget(suchen, 1, 0);
    vergleichLayout->addWidget(new QLabel(QStringLiteral("Gefunden"), vergleichGruppe), 1, 1, Qt::AlignRight);
    m_lvs = Statusfeld(QStringLiteral("LVS"), QString(), vergleichGruppe);
    m_lvs->setMinimumWidth(36);
    vergleichLayout->addWidget(m_lvs, 1, 2);
    m_anzeigen =
        Knopf(QStringLiteral("BVSAnzeigen"), QStringLiteral("Anzeigen         (s. unten links)"), vergleichGruppe);
    m_anzeigen->setEnabled(false);
    vergleichLayout->addWidget(m_anzeigen, 1, 3);
    vergleichLayout->setColumnStretch(3, 1);
    unten->addWidget(vergleichGruppe, 4);
    seite->addLayout(unten);

    connect(m_m1, &QPlainTextEdit::textChanged, this, &SeiteEigeneReihen::M1Change);
    connect(oeffnen, &QPushButton::clicked, this, &SeiteEigeneReihen::laden);
    connect(einfuegenKnopf, &QPushButton::clicked, this, &SeiteEigeneReihen::einfuegen);
    connect(leeren, &QToolButton::clicked, this, &SeiteEigeneReihen::BMemoClearClick);
    connect(speichern, &QPushButton::clicked, this, &SeiteEigeneReihen::BSaveClick);
    connect(kopieren, &QPushButton::clicked, this, [this] { Zwischenablage::TextSetzen(m_m1->toPlainText()); });
    connect(groesser, &QToolButton::clicked, this, [this] { schriftAendern(1); });
    connect(kleiner, &QToolButton::clicked, this, [this] { schriftAendern(-1); });
    connect(import, &QPushButton::clicked, this, &SeiteEigeneReihen::excelImportAngefordert);
    connect(export_, &QPushButton::clicked, this, &SeiteEigeneReihen::excelExportAngefordert);
    connect(verteilung, &QPushButton::clicked, this, &SeiteEigeneReihen::verteilungAnzeigen);
    connect(testen, &QPushButton::clicked, this, &SeiteEigeneReihen::testAngefordert);
    connect(m_speichern, &QPushButton::clicked, this, &SeiteEigeneReihen::speichernAngefordert);
    connect(suchen, &QPushButton::clicked, this, &SeiteEigeneReihen::suchenAngefordert);
    connect(m_anzeigen, &QPushButton::clicked, this, &SeiteEigeneReihen::anzeigenAngefordert);
}

void SeiteEigeneReihen::M1Change()
{
    if (m_aendertGerade)
        return;
    const QString text = m_m1->toPlainText();
    if (text.contains(QLatin1Char('\t'))) {
        // Pasted spreadsheet rows arrive with tabs; the cursor keeps its place.
        const int pos = m_m1->textCursor().position();
        m_aendertGerade = true;
        m_m1->setPlainText(TabsErsetzen(text));
        m_aendertGerade = false;
        QTextCursor c = m_m1->textCursor();
        c.setPosition(std::min(pos, int(m_m1->document()->characterCount() - 1)));
        m_m1->setTextCursor(c);
    }
    EigeneReihenVerwerfen(m_zustand);
    emit memoGeaendert(!m_m1->document()->isEmpty());
}

bool SeiteEigeneReihen::memoLeer() const
{
    return m_m1->document()->isEmpty();
}

QString SeiteEigeneReihen::memoText() const
{
    return m_m1->toPlainText();
}

void SeiteEigeneReihen::memoTextSetzen(const QString &text)
{
    m_m1->setPlainText(text);
}

void SeiteEigeneReihen::dateinameSetzen(const QString &name)
{
    m_lDatei->setText(name);
}

bool SeiteEigeneReihen::Verarbeitungsstart()
{
    const int groesste = m_auswahl.biggestZZ;
    Leseauftrag auftrag;
    auftrag.text = m_m1->toPlainText();
    if (auftrag.text.isEmpty()) {
        Meldungen::Information(this, LesemeldungText(Leseergebnis{Lesemeldung::Leer}, groesste));
        return false;
    }
    auftrag.trenner = TrennerAusIndex(m_trenner->itemIndex());
    auftrag.gruendlich = m_detail->isChecked();
    auftrag.doppeltPruefen = m_doppeltPruefen;
    auftrag.biggestZZ = groesste;

    // The reading takes well under a second even for 100,000 rows; the memo stays locked
    // meanwhile so that nothing typed is lost to the clean-up written back below.
    m_m1->setReadOnly(true);
    m_gauge2->setRange(0, 1);
    m_gauge2->setValue(0);
    Leseergebnis e = ReihentextLesen(auftrag);
    if (e.meldung == Lesemeldung::Klammerfrage) {
        if (e.textGeaendert)
            m_m1->setPlainText(e.text);
        const bool ja = Meldungen::FrageJaNeinAbbrechen(this, LesemeldungText(e, groesste)) == Meldungen::Antwort::Ja;
        auftrag.text = e.text;
        auftrag.klammern = ja ? Klammerantwort::Ja : Klammerantwort::Nein;
        e = ReihentextLesen(auftrag);
    }
    if (e.text != m_m1->toPlainText())
        m_m1->setPlainText(e.text);
    m_m1->setReadOnly(false);
    if (e.zeilen >= 0)
        m_ptr2->setText(QString::number(e.zeilen));
    if (!e.ok()) {
        m_gauge2->setValue(0);
        const QString text = LesemeldungText(e, groesste);
        if (!text.isEmpty()) {
            if (LesemeldungIstFehler(e.meldung))
                Meldungen::Fehler(this, text);
            else
                Meldungen::Information(this, text);
        }
        return false;
    }
    EigeneReihenUebernehmen(m_zustand, e);
    m_ppz2->setText(QString::number(e.poolAnzahl));
    m_gauge2->setValue(1);
    return true;
}

void SeiteEigeneReihen::verteilungAnzeigen()
{
    if (!m_zustand.EigeneReihenGelesen && !Verarbeitungsstart())
        return;
    Verteilungermitteln(m_zustand);
    m_tafel->anzeigen(m_zustand.EigeneVerteilung, int(m_zustand.EigeneReihen.size()));
    m_pbz22->setText(QString::number(m_zustand.EigeneBankAnzahl));
}

void SeiteEigeneReihen::BMemoClearClick()
{
    m_m1->clear();
    EigeneReihenVerwerfen(m_zustand);
    m_lDatei->clear();
    m_tafel->zuruecksetzen();
    m_ppz2->setText(QStringLiteral("0"));
    m_pbz22->setText(QStringLiteral("0"));
    m_ptr2->setText(QStringLiteral("0"));
    m_pGarantie->setText(QStringLiteral("?"));
    m_lvs->clear();
}

QString SeiteEigeneReihen::UeberschreibenFrage()
{
    return QStringLiteral("Das Textfeld ist nicht leer. Wenn es überschrieben werden soll, antworten Sie mit "
                          "\"Ja\".\n\nAndernfalls breche ich ab.");
}

bool SeiteEigeneReihen::ueberschreibenErlaubt(const QString &frage)
{
    return memoLeer() || Meldungen::FrageJaNeinAbbrechen(this, frage) == Meldungen::Antwort::Ja;
}

void SeiteEigeneReihen::laden()
{
    if (!ueberschreibenErlaubt(UeberschreibenFrage()))
        return;
    BMemoClearClick();
    const QString pfad = Dateidialoge::Oeffnen(this, QStringLiteral("Datei öffnen"), Startordner(),
                                               QStringLiteral("CSV-Dateien (*.csv *.CSV);;Textdateien (*.txt *.TXT)"));
    if (pfad.isEmpty())
        return;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        Meldungen::Fehler(this,
                          QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                              .arg(QDir::toNativeSeparators(pfad), datei.errorString()));
        return;
    }
    if (datei.size() > MemodateiHoechstgroesse) {
        Meldungen::Fehler(this,
                          QStringLiteral("Die Datei \"%1\" ist mit %2 Bytes zu groß für das Textfeld.\n\n"
                                         "Ich breche ab.")
                              .arg(QDir::toNativeSeparators(pfad), QLocale().toString(datei.size())));
        return;
    }
    const QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        Meldungen::Fehler(this,
                          QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                              .arg(QDir::toNativeSeparators(pfad), datei.errorString()));
        return;
    }
    m_m1->setPlainText(TextdateiDekodieren(inhalt));
    m_lDatei->setText(QFileInfo(pfad).fileName());
}

void SeiteEigeneReihen::einfuegen()
{
    if (!ueberschreibenErlaubt(QStringLiteral("Das Textfeld ist nicht leer. Wenn es mit der Zwischenablage "
                                              "überschrieben werden soll, antworten Sie mit \"Ja\".\n\n"
                                              "Andernfalls breche ich ab.")))
        return;
    BMemoClearClick();
    m_m1->setPlainText(Zwischenablage::Text());
    m_lDatei->setText(QStringLiteral("...aus Zwischenablage eingefügt..."));
}

void SeiteEigeneReihen::BSaveClick()
{
    if (memoLeer()) {
        Meldungen::Fehler(this,
                          QStringLiteral("Das Textfeld ist leer. Somit gibt es nichts zu speichern.\n\nIch breche "
                                         "erst einmal ab."));
        return;
    }
    const QString pfad =
        Dateidialoge::Speichern(this, QStringLiteral("Save file"), Startordner(),
                                QStringLiteral("CSV-Trennzeichen getrennt (*.csv *.CSV)"), QString(), false);
    if (pfad.isEmpty())
        return;
    const SchreibErgebnis e = DateiSicherSchreiben(pfad, MemoFuerDatei(m_m1->toPlainText()));
    if (!e.ok()) {
        Meldungen::Fehler(this, SchreibFehlerText(pfad, e));
        return;
    }
    m_lDatei->setText(QFileInfo(pfad).fileName());
}

void SeiteEigeneReihen::schriftAendern(int schritt)
{
    QFont f = m_m1->font();
    f.setPointSize(std::clamp(f.pointSize() + schritt, 6, 40));
    m_m1->setFont(f);
}

void SeiteEigeneReihen::garantieZeigen(const QString &text)
{
    m_pGarantie->setText(text);
}

void SeiteEigeneReihen::vergleicheZeigen(int anzahl)
{
    m_lvs->setText(QString::number(anzahl));
    m_anzeigen->setEnabled(anzahl > 0);
}

void SeiteEigeneReihen::speicherknopfZeigen(bool gespeichert)
{
    m_speichern->setText(gespeichert ? QStringLiteral("System gespeichert") : QStringLiteral("Als System speichern"));
    m_speichern->setIcon(
        style()->standardIcon(gespeichert ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogSaveButton));
}

void SeiteEigeneReihen::speicherknopfSperren(bool gesperrt)
{
    m_speichern->setEnabled(!gesperrt);
}

void SeiteEigeneReihen::fortschrittZeigen(int wert, int maximum)
{
    m_gauge2->setRange(0, std::max(1, maximum));
    m_gauge2->setValue(wert);
}

void SeiteEigeneReihen::groessteZahlSetzen(int groesste)
{
    m_tafel->groessteZahlSetzen(groesste);
}
