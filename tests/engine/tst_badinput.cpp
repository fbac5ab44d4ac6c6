#include <QTest>

// Placeholder, replaced by the real suite.
class Testbadinput : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testbadinput)
#include "tst_badinput.moc"
