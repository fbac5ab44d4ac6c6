#include <QTest>

// Placeholder, replaced by the real suite.
class Testpaymentservice : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testpaymentservice)
#include "tst_paymentservice.moc"
