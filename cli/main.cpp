#include <csignal>
#include <iostream>

#include <unistd.h>

#include "cli/ChartTool.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    // A reader that goes away (| head) is a write error to report, not a signal to die of.
    std::signal(SIGPIPE, SIG_IGN);
    return zodiora::cli::RunChartTool(argc, argv, std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
