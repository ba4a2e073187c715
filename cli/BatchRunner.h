#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>

#include "cli/ChartFormatter.h"

namespace zodiora::cli {

struct BatchSettings {
    ChartFormatter formatter;
    CalculationSettings settings;   ///< for every record
    unsigned threads = 1;           ///< workers; 1 charts on the calling thread
    bool progress = false;          ///< stderr is a terminal and --quiet was not given
    std::optional<long> totalLines;  ///< the input's line count when known, for the progress line
    /// Asked before each record is read; true stops the batch after the
    /// records already read, so the output ends at a record boundary.
    std::function<bool()> stopRequested;
};

/// How a batch ended.
enum class BatchOutcome { AllCharted, SomeLinesFailed, InputUnreadable, Stopped };

/// Charts every record of a CSV batch (see CsvReader, ParseBatchFields):
/// charts and per-line errors to `out` in input order, errors also to `err`.
/// Each worker has its own ChartSession. What a session carries from chart
/// to chart (the last zone correction, Moon sign and readings) only matters
/// for births validation refuses, so any number of workers gives the bytes
/// of one session run in order.
/// `charted`, when given, counts the records that gave a chart.
BatchOutcome RunBatch(std::istream& in, const BatchSettings& settings, std::ostream& out, std::ostream& err,
                      std::size_t* charted = nullptr);

}  // namespace zodiora::cli
