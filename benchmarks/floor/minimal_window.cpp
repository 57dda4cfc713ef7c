// The least a Qt window that counts down can cost: a label and a timer that
// changes it every second. The program's start-up and idle use are compared
// with it.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("Minimal"));
    const auto tick = [&label] { label.setText(QTime::currentTime().toString()); };
    tick();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, tick);
    timer.start(1000);
    label.show();
    return app.exec();
}
