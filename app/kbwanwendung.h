#pragma once

#include <QApplication>
#include <QCommandLineParser>

#include <optional>

// The application object. An error of the runtime that no handler catches ends up in one
// general error message with the runtime's text, and the program goes on.
class KbwAnwendung : public QApplication
{
public:
    KbwAnwendung(int &argc, char **argv);

    bool notify(QObject *empfaenger, QEvent *ereignis) override;
};

// The command line: -h/--help and -v/--version for packagers and bug reports, and
// --hilfe-pruefen <Thema>, which opens one help topic and ends. The program itself takes no
// arguments.
class Befehlszeile
{
public:
    Befehlszeile();

    // Before the window system is up (a QCoreApplication exists, no display is needed):
    // answers -h/--help and -v/--version into ausgabe and returns true; the program then
    // ends. The window system's own options (-platform, -style, ...) are still among the
    // arguments here and are no error yet.
    bool vorabBeantworten(const QStringList &argumente, QString &ausgabe);

    // Once the application object has taken its own options: every other argument must be
    // one of ours. Returns the message for the terminal, empty when all is well; --help-all
    // and unknown options end the program inside (QCommandLineParser::process).
    QString pruefen(const QCoreApplication &app);

    // The topic of --hilfe-pruefen, after pruefen().
    std::optional<int> hilfethemaPruefen() const { return m_hilfethema; }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_hilfe;
    QCommandLineOption m_version;
    QCommandLineOption m_hilfePruefen;
    std::optional<int> m_hilfethema;
};
