#include <QTest>

// Placeholder, replaced by the real suite.
class Testnumbertexts : public QObject
{
    Q_OBJECT
};

QTEST_GUILESS_MAIN(Testnumbertexts)
#include "tst_numbertexts.moc"
