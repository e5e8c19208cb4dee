#include <QApplication>
#include <QLabel>

// Until the main window is assembled the program shows what state it is in.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Tallyfold is being built: the board, the dealer and the "
                                "computer player arrive piece by piece."));
    label.setMargin(24);
    label.setWindowTitle(QStringLiteral("Tallyfold"));
    label.show();
    return app.exec();
}
