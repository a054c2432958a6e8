#include "routinen.h"

#include <QTest>

#include <algorithm>
#include <vector>

Q_DECLARE_METATYPE(std::int64_t)

namespace {

// Pascal's triangle in 128 bits: the obviously correct reference.
std::vector<std::vector<unsigned __int128>> Pascal(int nMax)
{
    std::vector<std::vector<unsigned __int128>> c(nMax + 1);
    for (int n = 0; n <= nMax; ++n) {
        c[n].assign(n + 1, 1);
        for (int k = 1; k < n; ++k)
            c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}

std::vector<int> Elemente(const Zahlenmenge &m)
{
    std::vector<int> e;
    for (int i = 0; i <= Zahlenmenge::Grenze; ++i)
        if (m.enthaelt(i))
            e.push_back(i);
    return e;
}

} // namespace

class TstRoutinen : public QObject
{
    Q_OBJECT

private slots:
    void nueberK_data();
    void nueberK();
    void nueberKGegenPascal();
    void kombinationenBeispiele();
    void kombinationenGegenReferenz_data();
    void kombinationenGegenReferenz();
    void kombinationenUngueltig();
    void kTeilmengenWieKombinationenBilden_data();
    void kTeilmengenWieKombinationenBilden();
    void kTeilmengeRaenderGross_data();
    void kTeilmengeRaenderGross();
    void kTeilmengeLeer();
};

void TstRoutinen::nueberK_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::addColumn<std::int64_t>("erwartet");
    QTest::newRow("49/6") << 49 << 6 << std::int64_t(13983816);
    QTest::newRow("77/2") << 77 << 2 << std::int64_t(2926);
    QTest::newRow("78/2") << 78 << 2 << std::int64_t(3003);
    QTest::newRow("14/7") << 14 << 7 << std::int64_t(3432);
    QTest::newRow("0/0") << 0 << 0 << std::int64_t(1);
    QTest::newRow("1/1") << 1 << 1 << std::int64_t(1);
    QTest::newRow("57/57") << 57 << 57 << std::int64_t(1);
    QTest::newRow("57/0") << 57 << 0 << std::int64_t(1);
    QTest::newRow("10/3") << 10 << 3 << std::int64_t(120);
    QTest::newRow("10/7") << 10 << 7 << std::int64_t(120);
    QTest::newRow("100/15") << 100 << 15 << std::int64_t(253338471349988640);
    QTest::newRow("66/33 middle of the last row that fits") << 66 << 33 << std::int64_t(7219428434016265740);
    QTest::newRow("k>n") << 5 << 6 << std::int64_t(0);
    QTest::newRow("k<0") << 5 << -1 << std::int64_t(0);
}

void TstRoutinen::nueberK()
{
    QFETCH(int, n);
    QFETCH(int, k);
    QFETCH(std::int64_t, erwartet);
    QCOMPARE(NueberK(n, k), erwartet);
    if (k >= 0 && k <= n)
        QCOMPARE(NueberK(n, n - k), erwartet);
}

void TstRoutinen::nueberKGegenPascal()
{
    const auto c = Pascal(100);
    int geprueft = 0;
    for (int n = 0; n <= 100; ++n) {
        for (int k = 0; k <= n; ++k) {
            QVERIFY2(NueberK128(n, k) == c[n][k], qPrintable(QStringLiteral("C(%1,%2)").arg(n).arg(k)));
            if (c[n][k] <= static_cast<unsigned __int128>(INT64_MAX)) {
                QVERIFY2(NueberK(n, k) == std::int64_t(c[n][k]), qPrintable(QStringLiteral("C(%1,%2)").arg(n).arg(k)));
                ++geprueft;
            }
        }
    }
    QVERIFY(geprueft > 1000); // the table really covered the 64-bit range
}

void TstRoutinen::kombinationenBeispiele()
{
    Kombinationstabelle t;
    QCOMPARE(KombinationenBilden(4, 2, t), KombiFehler::Keiner);
    const std::vector<std::vector<int>> vier = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
    QCOMPARE(t.size(), vier.size());
    for (std::size_t i = 0; i < vier.size(); ++i)
        QCOMPARE(Elemente(t[i]), vier[i]);

    QCOMPARE(KombinationenBilden(7, 1, t), KombiFehler::Keiner);
    QCOMPARE(t.size(), std::size_t(7));
    for (int i = 0; i < 7; ++i)
        QCOMPARE(Elemente(t[i]), std::vector<int>{i + 1});

    // Refilling a larger table with a smaller one must not leave stale entries visible.
    QCOMPARE(KombinationenBilden(5, 5, t), KombiFehler::Keiner);
    QCOMPARE(t.size(), std::size_t(1));
    QCOMPARE(Elemente(t[0]), (std::vector<int>{1, 2, 3, 4, 5}));

    QCOMPARE(KombinationenBilden(100, 1, t), KombiFehler::Keiner);
    QCOMPARE(Elemente(t[99]), std::vector<int>{100});
}

void TstRoutinen::kombinationenGegenReferenz_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("6/3") << 6 << 3;
    QTest::newRow("12/5") << 12 << 5;
    QTest::newRow("20/10") << 20 << 10;
    QTest::newRow("22/20") << 22 << 20;
    QTest::newRow("20/20") << 20 << 20;
    QTest::newRow("100/2") << 100 << 2;
    QTest::newRow("30/4") << 30 << 4;
}

void TstRoutinen::kombinationenGegenReferenz()
{
    QFETCH(int, n);
    QFETCH(int, k);
    Kombinationstabelle t;
    QCOMPARE(KombinationenBilden(n, k, t), KombiFehler::Keiner);
    QCOMPARE(std::int64_t(t.size()), NueberK(n, k));

    // C(n,k) valid k-sets in strictly increasing lexicographic order can only be every
    // k-subset once, in the right order.
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto e = Elemente(t[i]);
        QCOMPARE(int(e.size()), k);
        QVERIFY(e.front() >= 1 && e.back() <= n);
        if (i > 0) {
            const auto v = Elemente(t[i - 1]);
            QVERIFY2(std::lexicographical_compare(v.begin(), v.end(), e.begin(), e.end()),
                     qPrintable(QStringLiteral("entry %1 out of order").arg(i)));
        }
    }
}

void TstRoutinen::kombinationenUngueltig()
{
    Kombinationstabelle t;
    QCOMPARE(KombinationenBilden(10, 0, t), KombiFehler::UngueltigeArgumente);
    QCOMPARE(KombinationenBilden(30, 21, t), KombiFehler::UngueltigeArgumente);
    QCOMPARE(KombinationenBilden(101, 2, t), KombiFehler::UngueltigeArgumente);
    QCOMPARE(KombinationenBilden(3, 4, t), KombiFehler::UngueltigeArgumente);
    QVERIFY(t.empty());
    // C(100,20) is far beyond any memory: reported, not crashed on.
    QCOMPARE(KombinationenBilden(100, 20, t), KombiFehler::ZuWenigSpeicher);
    QVERIFY(t.empty());
}

void TstRoutinen::kTeilmengenWieKombinationenBilden_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("4/2") << 4 << 2;
    QTest::newRow("7/1") << 7 << 1;
    QTest::newRow("5/5") << 5 << 5;
    QTest::newRow("12/5") << 12 << 5;
    QTest::newRow("22/20") << 22 << 20;
    QTest::newRow("49/3") << 49 << 3;
    QTest::newRow("100/2") << 100 << 2;
}

void TstRoutinen::kTeilmengenWieKombinationenBilden()
{
    // Stepper, rank and unrank walk the table of KombinationenBilden entry by entry.
    QFETCH(int, n);
    QFETCH(int, k);
    Kombinationstabelle t;
    QCOMPARE(KombinationenBilden(n, k, t), KombiFehler::Keiner);
    int a[20], b[20];
    KTeilmengeErste(a, k);
    std::size_t i = 0;
    int geaendert = 0;
    do {
        QVERIFY(i < t.size());
        std::vector<int> plus1(a, a + k);
        for (int &x : plus1)
            ++x;
        QCOMPARE(plus1, Elemente(t[i]));
        if (i > 0) {
            // The places before the reported one kept their members.
            const auto vorher = Elemente(t[i - 1]);
            for (int j = 0; j < geaendert; ++j)
                QCOMPARE(vorher[std::size_t(j)], plus1[std::size_t(j)]);
            QVERIFY(vorher[std::size_t(geaendert)] != plus1[std::size_t(geaendert)]);
        }
        QCOMPARE(KTeilmengeRang(a, n, k), std::int64_t(i));
        if (n <= 64) {
            std::uint64_t maske = 0;
            for (int j = 0; j < k; ++j)
                maske |= std::uint64_t(1) << a[j];
            QCOMPARE(KTeilmengeRang(maske, n), std::int64_t(i));
        }
        KTeilmengeAusRang(std::int64_t(i), n, k, b);
        QCOMPARE(std::vector<int>(b, b + k), std::vector<int>(a, a + k));
        ++i;
    } while ((geaendert = KTeilmengeNaechste(a, n, k)) >= 0);
    QCOMPARE(i, t.size());
    // After the last subset the stepper leaves it as it is.
    QCOMPARE(std::vector<int>(a, a + k), [&] {
        std::vector<int> letzte;
        for (int j = 0; j < k; ++j)
            letzte.push_back(n - k + j);
        return letzte;
    }());
}

void TstRoutinen::kTeilmengeRaenderGross_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("k");
    QTest::newRow("49/6") << 49 << 6;
    QTest::newRow("100/15") << 100 << 15;
    QTest::newRow("64/32") << 64 << 32;
    QTest::newRow("100/50") << 100 << 50; // C(100,50) > 2^63: beyond the ranks, stepping still works
}

void TstRoutinen::kTeilmengeRaenderGross()
{
    // Tables too big to build: the first, the last and some ranks between them.
    QFETCH(int, n);
    QFETCH(int, k);
    int a[100], b[100];
    KTeilmengeErste(a, k);
    const bool rangbar = NueberK128(n, k) < (unsigned __int128)(1) << 63;
    if (rangbar)
        QCOMPARE(KTeilmengeRang(a, n, k), std::int64_t(0));
    for (int j = 0; j < k; ++j)
        b[j] = n - k + j;
    if (rangbar)
        QCOMPARE(KTeilmengeRang(b, n, k), NueberK(n, k) - 1);
    QCOMPARE(KTeilmengeNaechste(b, n, k), -1);
    if (!rangbar)
        return;
    // The successor of a subset has the next rank.
    for (std::int64_t r : {std::int64_t(1), NueberK(n, k) / 3, NueberK(n, k) / 2 + 7, NueberK(n, k) - 2}) {
        KTeilmengeAusRang(r, n, k, a);
        QVERIFY(std::is_sorted(a, a + k) && std::adjacent_find(a, a + k) == a + k && a[0] >= 0 && a[k - 1] < n);
        QCOMPARE(KTeilmengeRang(a, n, k), r);
        QVERIFY(KTeilmengeNaechste(a, n, k) >= 0);
        QCOMPARE(KTeilmengeRang(a, n, k), r + 1);
    }
}

void TstRoutinen::kTeilmengeLeer()
{
    int a[1] = {};
    KTeilmengeErste(a, 0);
    QCOMPARE(KTeilmengeRang(a, 5, 0), std::int64_t(0));
    QCOMPARE(KTeilmengeNaechste(a, 5, 0), -1); // the empty set is the only one
    QCOMPARE(KTeilmengeRang(std::uint64_t(0), 5), std::int64_t(0));
}

QTEST_APPLESS_MAIN(TstRoutinen)
#include "tst_routinen.moc"
