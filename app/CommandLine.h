#pragma once

#include <optional>

namespace zodiora {

/// Answers `--help` and `--version` before any window exists, so both work
/// without a display: prints the text on standard output and returns the
/// exit code. Returns nothing when the program should start its windows.
std::optional<int> AnswerInfoOptions(int argc, char* argv[]);

/// Checks the arguments left once Qt has taken its own (-style, -platform):
/// an unknown option is reported on standard error and gives exit code 1.
std::optional<int> RejectUnknownOptions();

}  // namespace zodiora
