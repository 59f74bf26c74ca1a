#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Velkor");
    window.resize(600, 400);
    window.show();
    return app.exec();
}
