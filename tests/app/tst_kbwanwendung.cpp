#include "kbwanwendung.h"
#include "meldungen.h"

#include <QTest>

#include <stdexcept>

namespace {

class Werfer : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Die Datei ist gesperrt.");
        return QObject::event(e);
    }
};

} // namespace

// An error that no handler catches reaches the general error message with its text, and
// the program carries on.
class TstKbwAnwendung : public QObject
{
    Q_OBJECT

private slots:
    void unbehandelterFehlerWirdGemeldet()
    {
        MeldungenAttrappe meldungen;
        Werfer werfer;
        QEvent ereignis(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&werfer, &ereignis));
        QCOMPARE(meldungen.texte(), QStringList{"Die Datei ist gesperrt."});
        QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Fehler);
    }
};

int main(int argc, char **argv)
{
    KbwAnwendung app(argc, argv);
    TstKbwAnwendung test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kbwanwendung.moc"
