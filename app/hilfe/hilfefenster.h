#pragma once

#include <QMainWindow>
#include <QUrl>

class QAction;
class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

// The help viewer: contents, keyword index and full-text search on the left, the page on
// the right. It works on a writable copy of the help collection (see Hilfesammlung).
class Hilfefenster : public QMainWindow
{
    Q_OBJECT

public:
    explicit Hilfefenster(const QString &sammlung, QWidget *parent = nullptr);
    ~Hilfefenster() override;

    // The collection could be opened and holds the start page.
    bool bereit() const { return m_startseite.isValid(); }

    // Shows the page of a topic number; an unknown topic shows the start page.
    void Hilfethema(int thema);
    // Shows the search tab with an empty query, ready for typing.
    void Hilfesuche();

    QHelpEngine *engine() const { return m_engine; }
    QUrl aktuelleSeite() const;

private:
    void seiteZeigen(const QUrl &url);
    void inhaltAbgleichen(const QUrl &url);
    void suchen();
    void nachVorneHolen();

    QHelpEngine *m_engine = nullptr;
    QUrl m_startseite;
    QTabWidget *m_reiter = nullptr;
    QWidget *m_suchseite = nullptr;
    QLineEdit *m_indexFilter = nullptr;
    QTextBrowser *m_anzeige = nullptr;
    QAction *m_zurueck = nullptr;
    QAction *m_vor = nullptr;
    bool m_indiziert = false;
    bool m_sucheWartet = false;
};
