#include "tippreihentext.h"

#include <QtTest>

class TstTippreihentext : public QObject
{
    Q_OBJECT

private slots:
    void tippreihenTexte();
};

void TstTippreihentext::tippreihenTexte()
{
    const std::vector<QStringList> zellen{{"3", "8", "15", "22", "31", "40"}, {"1", "2", "4", "5", "7", "9"}};
    QCOMPARE(TippreihenCsv(zellen), QByteArray("3;8;15;22;31;40\r\n1;2;4;5;7;9\r\n"));
    QCOMPARE(TippreihenZwischenablage(zellen, 6), QStringLiteral("3,8,15,22,31,40\r\n1,2,4,5,7,9\r\n"));
    // The CSV stops at the first column that is empty in the first row.
    QCOMPARE(TippreihenCsv({{"1", "2", ""}, {"3", "4", "5"}}), QByteArray("1;2\r\n3;4\r\n"));
}

QTEST_APPLESS_MAIN(TstTippreihentext)
#include "tst_tippreihentext.moc"
