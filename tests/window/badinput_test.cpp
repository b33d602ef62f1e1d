#include "tests/window/windowsupport.h"

#include <QtTest>

class BadinputTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(BadinputTest)
#include "badinput_test.moc"
