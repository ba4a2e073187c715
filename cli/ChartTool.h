#pragma once

#include <iosfwd>

namespace zodiora::cli {

/// Exit statuses of zodiora-chart.
enum ExitStatus : int {
    ExitOk = 0,
    ExitSomeBatchLinesFailed = 1,  ///< --batch: the other lines were charted
    ExitBadInput = 2,              ///< bad arguments, a birth the form would refuse, an unreadable batch file
    ExitCannotWrite = 3,           ///< the output could not be written (disk full, closed pipe)
    ExitUnreadableLibrary = 3,     ///< a read of the library (list, show, export, --chart, --match): missing, damaged or newer
};

/// The whole command-line tool: parses argv, writes charts to `out` and
/// one-line errors to `err`, returns the exit status.
int RunChartTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

/// The same with `--batch -` reading `in`; the progress line of a long
/// batch goes to `err` only when `errIsTerminal`.
int RunChartTool(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err,
                 bool errIsTerminal);

}  // namespace zodiora::cli
