#pragma once

#include <cstddef>
#include <cstdint>

// One entry per fuzz target. Each takes any bytes, runs one path of the
// program on them and aborts when a check of the output fails; libFuzzer
// calls them from fuzz_<target>, the replay test from the committed files.
namespace zodiora::fuzz {

/// Batch-file text read line by line (length cap, byte-order mark), each
/// line parsed and, when it passes, charted.
int FuzzBatchLine(const std::uint8_t* data, std::size_t size);

/// NUL-separated command-line arguments through the whole tool (--batch aside).
int FuzzArguments(const std::uint8_t* data, std::size_t size);

/// A valid birth made from the bytes, charted: texts, report and RTF checked.
int FuzzChartPath(const std::uint8_t* data, std::size_t size);

/// Any text and font names through the RTF writer.
int FuzzRtfWriter(const std::uint8_t* data, std::size_t size);

/// Longitudes of any value, NaN and infinities included, through the
/// readings and the report composer, chart after chart.
int FuzzReport(const std::uint8_t* data, std::size_t size);

/// Any text as an unpacked atlas file: refused naming a line, or loaded with
/// every place on the globe and searchable.
int FuzzAtlas(const std::uint8_t* data, std::size_t size);

/// Any bytes as a chart library file, opened by the read commands only: the
/// file is never changed, renamed or joined by another (SQLite's -wal and
/// -shm aside), and each command ends with a known status.
int FuzzLibraryRead(const std::uint8_t* data, std::size_t size);

}  // namespace zodiora::fuzz
