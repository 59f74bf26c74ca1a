// vkrept: the report as text on standard output when asked for (no display needed), else the
// window. Velkor starts it in its working folder, where velkors.ini is.
#include "core/Clock.h"
#include "reporter/ReportCommand.h"
#include "reporter/qt/ReportWindow.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    velkor::ReportOptions options;
    if (const auto status =
            velkor::run_report_arguments(arguments, velkor::SystemClock::instance(), std::cout, std::cerr, options))
        return *status;
    // The command line is the reporter's own: Qt gets none of it.
    int qt_argc = 1;
    QApplication qt(qt_argc, argv);
    return velkor::run_report_window(options);
}
