#include <iostream>

#include <unistd.h>

#include "cli/ChartTool.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return zodiora::cli::RunChartTool(argc, argv, std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
