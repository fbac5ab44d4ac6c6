#include <QTest>

// Placeholder, replaced by the real suite.
class Testauctionsite : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testauctionsite)
#include "tst_auctionsite.moc"
