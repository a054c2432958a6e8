#include "dateidialoge.h"
#include "zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

// The file-dialog and clipboard seams that every page's tests rely on.
class TstAttrappen : public QObject
{
    Q_OBJECT

private slots:
    void dateidialogeAntwortenDerReiheNach();
    void zwischenablageBleibtPrivat();
};

void TstAttrappen::dateidialogeAntwortenDerReiheNach()
{
    DateidialogAttrappe dialoge;
    dialoge.antworten("/tmp/a.txt");
    QCOMPARE(Dateidialoge::Oeffnen(nullptr, "Reihen laden", "/daten", "Textdateien (*.txt)"), QString("/tmp/a.txt"));
    QCOMPARE(Dateidialoge::Speichern(nullptr, "Reihen speichern", "/daten", "*.csv", "Reihen.csv"), QString());
    QCOMPARE(dialoge.titel(), (QStringList{"Reihen laden", "Reihen speichern"}));
    QCOMPARE(dialoge.ordner(), (QStringList{"/daten", "/daten"}));
}

void TstAttrappen::zwischenablageBleibtPrivat()
{
    QGuiApplication::clipboard()->setText("draussen");
    {
        ZwischenablageAttrappe ablage;
        ablage.text = "1, 2, 3";
        QCOMPARE(Zwischenablage::Text(), QString("1, 2, 3"));
        Zwischenablage::TextSetzen("4;5;6");
        QCOMPARE(ablage.text, QString("4;5;6"));
        QImage bild(4, 4, QImage::Format_RGB32);
        bild.fill(Qt::red);
        Zwischenablage::BildSetzen(bild);
        QCOMPARE(ablage.bild, bild);
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("draussen"));
}

QTEST_MAIN(TstAttrappen)
#include "tst_attrappen.moc"
