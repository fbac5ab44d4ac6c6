#include <QTest>

// Placeholder, replaced by the real suite.
class Testdutchauction : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testdutchauction)
#include "tst_dutchauction.moc"
