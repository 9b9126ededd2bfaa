#include "main_window.h"

#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void main_window_is_titled_quillon() {
        quillon::MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quillon"));
        QCOMPARE(window.objectName(), QString("MainMenu"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
