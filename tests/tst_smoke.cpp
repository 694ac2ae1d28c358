#include "testing.h"
class Smoke : public QObject { Q_OBJECT private slots: void nothing() {} };
ARCADE_TEST_MAIN(Smoke)
#include "tst_smoke.moc"
