#include "hilfefenster.h"

#include "hilfesammlung.h"

#include <QAction>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Pages and their style sheets come out of the collection, not from the file system.
class HilfeBrowser : public QTextBrowser
{
public:
    HilfeBrowser(QHelpEngine *engine, QWidget *parent) : QTextBrowser(parent), m_engine(engine) { }

    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine *m_engine;
};

} // namespace

Hilfefenster::Hilfefenster(const QString &sammlung, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(QStringLiteral("Kombiwerk - Hilfe"));
    // The help never keeps the program alive once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *schliessen = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    schliessen->setContext(Qt::WindowShortcut);
    connect(schliessen, &QShortcut::activated, this, &QWidget::close);

    m_engine = new QHelpEngine(sammlung, this);
    m_engine->setReadOnly(false);
    // Created before the set-up so that it indexes as soon as the set-up has finished.
    QHelpSearchEngine *suche = m_engine->searchEngine();
    connect(suche, &QHelpSearchEngine::indexingStarted, this, [this] { m_indiziert = false; });
    connect(suche, &QHelpSearchEngine::indexingFinished, this, [this] {
        m_indiziert = true;
        if (m_sucheWartet) {
            m_sucheWartet = false;
            suchen();
        }
    });
    if (!m_engine->setupData())
        return;
    m_startseite = HilfethemaUrl(*m_engine, Hilfesammlung::Startthema);

    // Left: contents, index, search.
    m_reiter = new QTabWidget;
    m_reiter->setObjectName(QStringLiteral("Reiter"));

    QHelpContentWidget *inhalt = m_engine->contentWidget();
    inhalt->setObjectName(QStringLiteral("Inhalt"));
    inhalt->setHeaderHidden(true);
    connect(inhalt, &QHelpContentWidget::linkActivated, this, &Hilfefenster::seiteZeigen);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, inhalt] {
        inhalt->expandAll();
        inhaltAbgleichen(aktuelleSeite());
    });
    m_reiter->addTab(inhalt, tr("Inhalt"));

    auto *indexSeite = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexSeite);
    indexLayout->setContentsMargins(6, 6, 6, 6);
    auto *indexLabel = new QLabel(tr("Stichwort:"));
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("IndexFilter"));
    m_indexFilter->setClearButtonEnabled(true);
    indexLabel->setBuddy(m_indexFilter);
    QHelpIndexWidget *index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("Index"));
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index, 1);
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &dokument, const QString &) { seiteZeigen(dokument.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &dokumente, const QString &) {
                if (!dokumente.isEmpty())
                    seiteZeigen(dokumente.first().url);
            });
    m_reiter->addTab(indexSeite, tr("Index"));

    m_suchseite = new QWidget;
    m_suchseite->setObjectName(QStringLiteral("Suche"));
    auto *sucheLayout = new QVBoxLayout(m_suchseite);
    sucheLayout->setContentsMargins(6, 6, 6, 6);
    QHelpSearchQueryWidget *anfrage = suche->queryWidget();
    anfrage->setObjectName(QStringLiteral("Suchanfrage"));
    QHelpSearchResultWidget *ergebnis = suche->resultWidget();
    ergebnis->setObjectName(QStringLiteral("Suchergebnis"));
    sucheLayout->addWidget(anfrage);
    sucheLayout->addWidget(ergebnis, 1);
    connect(anfrage, &QHelpSearchQueryWidget::search, this, &Hilfefenster::suchen);
    connect(ergebnis, &QHelpSearchResultWidget::requestShowLink, this, &Hilfefenster::seiteZeigen);
    m_reiter->addTab(m_suchseite, tr("Suche"));

    // Right: the page.
    m_anzeige = new HilfeBrowser(m_engine, this);
    m_anzeige->setObjectName(QStringLiteral("Anzeige"));
    m_anzeige->setOpenLinks(true);
    m_anzeige->document()->setDocumentMargin(12);
    connect(m_anzeige, &QTextBrowser::sourceChanged, this, &Hilfefenster::inhaltAbgleichen);

    auto *teiler = new QSplitter(Qt::Horizontal);
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_anzeige);
    teiler->setStretchFactor(0, 0);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({270, 630});
    teiler->setChildrenCollapsible(false);
    setCentralWidget(teiler);

    auto *leiste = addToolBar(tr("Navigation"));
    leiste->setObjectName(QStringLiteral("Navigation"));
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_zurueck = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Zurück"));
    m_zurueck->setObjectName(QStringLiteral("Zurueck"));
    m_zurueck->setShortcut(QKeySequence::Back);
    m_zurueck->setEnabled(false);
    m_vor = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Vorwärts"));
    m_vor->setObjectName(QStringLiteral("Vor"));
    m_vor->setShortcut(QKeySequence::Forward);
    m_vor->setEnabled(false);
    QAction *start = leiste->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Startseite"));
    start->setObjectName(QStringLiteral("Startseite"));
    connect(m_zurueck, &QAction::triggered, m_anzeige, &QTextBrowser::backward);
    connect(m_vor, &QAction::triggered, m_anzeige, &QTextBrowser::forward);
    connect(start, &QAction::triggered, this, [this] { seiteZeigen(m_startseite); });
    connect(m_anzeige, &QTextBrowser::backwardAvailable, m_zurueck, &QAction::setEnabled);
    connect(m_anzeige, &QTextBrowser::forwardAvailable, m_vor, &QAction::setEnabled);

    resize(920, 680);
}

Hilfefenster::~Hilfefenster() = default;

QUrl Hilfefenster::aktuelleSeite() const
{
    return m_anzeige ? m_anzeige->source() : QUrl();
}

void Hilfefenster::Hilfethema(int thema)
{
    if (!bereit())
        return;
    QUrl url = HilfethemaUrl(*m_engine, thema);
    if (!url.isValid())
        url = m_startseite;
    seiteZeigen(url);
    m_reiter->setCurrentIndex(0);
    nachVorneHolen();
}

void Hilfefenster::Hilfesuche()
{
    if (!bereit())
        return;
    if (aktuelleSeite().isEmpty())
        seiteZeigen(m_startseite);
    m_reiter->setCurrentWidget(m_suchseite);
    QHelpSearchQueryWidget *anfrage = m_engine->searchEngine()->queryWidget();
    anfrage->setSearchInput(QString());
    nachVorneHolen();
    anfrage->setFocus(Qt::OtherFocusReason);
}

void Hilfefenster::seiteZeigen(const QUrl &url)
{
    if (!url.isValid())
        return;
    if (url != m_anzeige->source())
        m_anzeige->setSource(url);
    else if (url.hasFragment())
        m_anzeige->scrollToAnchor(url.fragment());
}

void Hilfefenster::inhaltAbgleichen(const QUrl &url)
{
    QHelpContentWidget *inhalt = m_engine->contentWidget();
    QUrl seite = url;
    QModelIndex idx = inhalt->indexOf(seite);
    if (!idx.isValid()) {
        seite.setFragment(QString());
        idx = inhalt->indexOf(seite);
    }
    if (idx.isValid())
        inhalt->setCurrentIndex(idx);
}

void Hilfefenster::suchen()
{
    QHelpSearchEngine *suche = m_engine->searchEngine();
    // A query typed while the index is still being built runs once it is complete.
    if (!m_indiziert) {
        m_sucheWartet = true;
        return;
    }
    suche->search(suche->queryWidget()->searchInput());
}

void Hilfefenster::nachVorneHolen()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}
