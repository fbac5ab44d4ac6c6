#include <QTest>

// Placeholder, replaced by the real suite.
class Testpaymentfees : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testpaymentfees)
#include "tst_paymentfees.moc"
