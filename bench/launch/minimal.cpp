// The yardstick of the launch benchmark: about what a plain Qt dialog of the
// game's size costs to start and to keep waiting. Forty buttons and a 250 ms
// timer, as the main window has; nothing else.
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Minimal dialog"));
    auto* grid = new QGridLayout(&dialog);
    for (int i = 0; i < 40; ++i) {
        grid->addWidget(new QPushButton(QString::number(i), &dialog), i / 8, i % 8);
    }
    auto* ticks = new QLabel(QStringLiteral("0"), &dialog);
    grid->addWidget(ticks, 5, 0, 1, 8);
    // Like the game's deal timer: a tick that mostly finds nothing to do.
    QTimer timer;
    int nTicks = 0;
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&] {
        if (++nTicks % 40 == 0) ticks->setText(QString::number(nTicks));
    });
    timer.start(250);
    dialog.show();
    return app.exec();
}
