#include "tests/window/windowsupport.h"

#include <QtTest>

class SchedulewriteTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(SchedulewriteTest)
#include "schedulewrite_test.moc"
