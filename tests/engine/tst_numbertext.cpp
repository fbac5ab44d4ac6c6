#include <QTest>

// Placeholder, replaced by the real suite.
class Testnumbertext : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testnumbertext)
#include "tst_numbertext.moc"
