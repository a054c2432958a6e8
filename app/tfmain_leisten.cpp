// Menu and tool bar of the main window.
#include "tfmain.h"

#include "hilfeaufruf.h"
#include "symbole.h"
#include "werkzeuge.h"

#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

QToolButton *Knopf(QToolBar *leiste, const char *name, Werkzeugsymbol symbol, const QString &hinweis)
{
    auto *knopf = new QToolButton(leiste);
    knopf->setObjectName(QLatin1String(name));
    knopf->setIcon(SymbolFuer(symbol));
    knopf->setToolTip(hinweis);
    knopf->setAutoRaise(true);
    leiste->addWidget(knopf);
    return knopf;
}

} // namespace

void TFMain::menueAufbauen()
{
    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction *beenden = datei->addAction(QStringLiteral("&Beenden"));
    beenden->setObjectName(QStringLiteral("MBeenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    QMenu *extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    QAction *nueberk = extras->addAction(QStringLiteral("&n über k berechnen"));
    nueberk->setObjectName(QStringLiteral("MNueberK"));
    connect(nueberk, &QAction::triggered, this, [this] { NueberKZeigen(this); });
    QAction *kalender = extras->addAction(QStringLiteral("&Kalender"));
    kalender->setObjectName(QStringLiteral("MKalender"));
    connect(kalender, &QAction::triggered, this, [this] { KalenderZeigen(this); });
    QAction *rechner = extras->addAction(QStringLiteral("Taschen&rechner"));
    rechner->setObjectName(QStringLiteral("MTaschenrechner"));
    connect(rechner, &QAction::triggered, this, [this] { taschenrechnerStarten(); });
    extras->addSeparator();
    QAction *update = extras->addAction(QStringLiteral("&Update-Prüfung"));
    update->setObjectName(QStringLiteral("MUpdate"));
    connect(update, &QAction::triggered, this, [this] { updateZeigen(); });

    QMenu *hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction *inhalt = hilfe->addAction(QStringLiteral("&Inhalt"));
    inhalt->setObjectName(QStringLiteral("MInhalt"));
    connect(inhalt, &QAction::triggered, this, [] { Hilfe::Hilfethema(1010); });
    QAction *suchen = hilfe->addAction(QStringLiteral("In Hilfe &suchen..."));
    suchen->setObjectName(QStringLiteral("MSuchen"));
    connect(suchen, &QAction::triggered, this, [] { Hilfe::Hilfesuche(); });
    hilfe->addSeparator();
    QAction *update2 = hilfe->addAction(QStringLiteral("&Update-Prüfung"));
    update2->setObjectName(QStringLiteral("MUpdate2"));
    connect(update2, &QAction::triggered, this, [this] { updateZeigen(); });
    hilfe->addSeparator();
    QAction *info = hilfe->addAction(QStringLiteral("Programm-&Info"));
    info->setObjectName(QStringLiteral("MInfo"));
    connect(info, &QAction::triggered, this, [this] { InfoZeigen(this); });
}

void TFMain::werkzeugleisteAufbauen()
{
    auto *leiste = m_werkzeugleiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("Tool1"));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    leiste->setIconSize(QSize(28, 28));
    leiste->setFixedHeight(40);
    leiste->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, leiste);

    QToolButton *schliessen = Knopf(leiste, "BClose", Werkzeugsymbol::Beenden, QStringLiteral("Programm beenden"));
    connect(schliessen, &QToolButton::clicked, this, &QWidget::close);
    leiste->addSeparator();
    QToolButton *nueberk =
        Knopf(leiste, "bsSkinSpeedButton6", Werkzeugsymbol::NueberK, QStringLiteral("n über k berechnen"));
    connect(nueberk, &QToolButton::clicked, this, [this] { NueberKZeigen(this); });
    QToolButton *kalender = Knopf(leiste, "bsSkinSpeedButton14", Werkzeugsymbol::Kalender, QStringLiteral("Kalender"));
    connect(kalender, &QToolButton::clicked, this, [this] { KalenderZeigen(this); });
    QToolButton *rechner =
        Knopf(leiste, "bsSkinSpeedButton3", Werkzeugsymbol::Taschenrechner, QStringLiteral("Taschenrechner"));
    connect(rechner, &QToolButton::clicked, this, [this] { taschenrechnerStarten(); });
    QToolButton *update = Knopf(leiste, "BUpdate", Werkzeugsymbol::Update, QStringLiteral("Update-Prüfung"));
    connect(update, &QToolButton::clicked, this, [this] { updateZeigen(); });

    auto *abstand = new QWidget(leiste);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);

    QToolButton *position = m_positionKnopf =
        Knopf(leiste, "bsSkinSpeedButton36", Werkzeugsymbol::Position, QStringLiteral("Fensterposition speichern"));
    connect(position, &QToolButton::clicked, this, [this] { positionSpeichern(); });
    QToolButton *hilfe =
        Knopf(leiste, "bsSkinSpeedButton20", Werkzeugsymbol::Hilfe, QStringLiteral("Hilfe zu dieser Seite"));
    connect(hilfe, &QToolButton::clicked, this, [this] { Hilfe::Hilfethema(Seitenthema(m_pc1->currentIndex())); });
}

void TFMain::taschenrechnerStarten()
{
    TaschenrechnerStarten(this);
}

void TFMain::updateZeigen()
{
    UpdateZeigen(this, m_datenordner.basis);
}
