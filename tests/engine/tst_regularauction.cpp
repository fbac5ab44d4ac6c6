#include <QTest>

// Placeholder, replaced by the real suite.
class Testregularauction : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testregularauction)
#include "tst_regularauction.moc"
