#include "tests/window/windowsupport.h"

#include <QtTest>

class CompiledataTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(CompiledataTest)
#include "compiledata_test.moc"
