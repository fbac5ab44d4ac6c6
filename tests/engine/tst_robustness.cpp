#include <QTest>

// Placeholder, replaced by the real suite.
class Testrobustness : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testrobustness)
#include "tst_robustness.moc"
