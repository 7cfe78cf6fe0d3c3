#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Korvex"));
    window.resize(1024, 735);
    window.show();
    return app.exec();
}
