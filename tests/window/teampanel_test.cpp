#include "tests/window/windowsupport.h"

#include <QtTest>

class TeampanelTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TeampanelTest)
#include "teampanel_test.moc"
