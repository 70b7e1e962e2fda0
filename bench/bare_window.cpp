// The floor for start-up figures: a bare main window with a menu bar and a status bar label
// repainted on a 45 ms timer, as Barwright's own status bar is.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto *label = new QLabel;
    window.statusBar()->addWidget(label);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, label,
                     [&] { label->setText(QString::number(++ticks)); });
    timer.start(45);
    window.resize(390, 372);
    window.show();
    return QApplication::exec();
}
