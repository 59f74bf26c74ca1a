#include "app/Startup.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // The command line is the program's own: Qt gets none of it, since its options (-platform,
    // -style, ...) would clash with -p and the unknown-argument check.
    int qt_argc = 1;
    QApplication qt(qt_argc, argv);
    // The absolute path, so that the program folder survives the working-folder switch.
    std::string argument0 = QCoreApplication::applicationFilePath().toStdString();
    return velkor::run_velkor(argument0.empty() ? std::string(argv[0]) : argument0, std::move(arguments));
}
