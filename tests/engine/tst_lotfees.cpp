#include <QTest>

// Placeholder, replaced by the real suite.
class Testlotfees : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testlotfees)
#include "tst_lotfees.moc"
