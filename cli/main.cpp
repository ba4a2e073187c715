#include <iostream>

#include "cli/ChartTool.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return zodiora::cli::RunChartTool(argc, argv, std::cout, std::cerr);
}
