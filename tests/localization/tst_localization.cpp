#include <QTest>

// Placeholder, replaced by the real suite.
class Testlocalization : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testlocalization)
#include "tst_localization.moc"
