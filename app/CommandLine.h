#pragma once

#include <optional>

namespace zodiora {

/// Answers `--help` and `--version` before any window exists, so both work
/// without a display: prints the text on standard output and returns the
/// exit code. Returns nothing when the program should start its windows.
std::optional<int> AnswerInfoOptions(int argc, char* argv[]);

/// With no display to show a window on (no DISPLAY or WAYLAND_DISPLAY, and
/// no platform or display chosen by QT_QPA_PLATFORM, -platform or -display),
/// says so on standard error and gives exit code 1, where Qt itself would
/// abort.
std::optional<int> RefuseWithoutDisplay(int argc, char* argv[]);

/// Checks the arguments left once Qt has taken its own (-style, -platform):
/// an unknown option is reported on standard error and gives exit code 1.
std::optional<int> RejectUnknownOptions();

}  // namespace zodiora
