#include "cli/BatchRunner.h"

#include "presentation/Utf8.h"

#include <algorithm>
#include <vector>

#include "cli/BatchFields.h"
#include "cli/CsvReader.h"
#include "cli/OrderedPool.h"
#include "cli/Progress.h"

namespace zodiora::cli {

namespace {

// Records go to the workers in chunks of about ChunkBytes of output, so
// locking and waking cost little per chart (JSON: some 120 charts a chunk)
// while memory stays bounded whatever a chart writes (a five-level dasha
// table with every section is megabytes: a fixed 64 charts a chunk held two
// gigabytes). The first chunks, read before any is written, are small. A few
// chunks per worker keep them all busy while the writer waits for a slow one.
constexpr std::size_t ChunkBytes = std::size_t{1} << 20;
constexpr std::size_t FirstChunkRecords = 4;
constexpr std::size_t MaxChunkRecords = 256;
constexpr std::size_t ChunksPerWorker = 4;

// Records for the next chunk, from the output written so far.
std::size_t ChunkRecords(std::size_t bytesWritten, std::size_t recordsWritten)
{
    if (recordsWritten == 0) return FirstChunkRecords;
    const std::size_t perRecord = std::max<std::size_t>(bytesWritten / recordsWritten, 1);
    return std::clamp<std::size_t>(ChunkBytes / perRecord, 1, MaxChunkRecords);
}

struct BatchJob {
    std::vector<CsvRecord> records;
    std::size_t count = 0;  ///< records in use; the vector keeps its strings for reuse
    std::string out;
    std::string err;
    bool firstCharted = false;  ///< the first record gave a chart (text output parts charts by a blank line)
    bool anyFailed = false;
    std::size_t charted = 0;
};

class BatchWorker {
public:
    BatchWorker(const ChartFormatter& formatter, const CalculationSettings& settings) : formatter_(&formatter)
    {
        session_.setSettings(settings);
    }

    void operator()(BatchJob& job)
    {
        job.out.clear();
        job.err.clear();
        job.anyFailed = false;
        job.charted = 0;
        for (std::size_t k = 0; k < job.count; ++k) {
            const bool charted = chart(job.records[k], k > 0, job);
            if (k == 0) job.firstCharted = charted;
            job.anyFailed = job.anyFailed || !charted;
            job.charted += charted ? 1 : 0;
        }
    }

private:
    // One record; a text chart after another record of the chunk gets its blank line here.
    bool chart(const CsvRecord& record, bool afterAnother, BatchJob& job)
    {
        auto parsed = ParseBatchRecord(record);
        if (const auto* request = std::get_if<ChartRequest>(&parsed)) {
            if (auto problem = EphemerisYearProblem(request->form, session_.ephemeris())) parsed = std::move(*problem);
        }
        if (const auto* request = std::get_if<ChartRequest>(&parsed)) {
            session_.run(request->form, formatter_->reportMode(), result_);
            if (afterAnother && formatter_->format == OutputFormat::Text) job.out.push_back('\n');
            formatter_->appendChart(job.out, record.line, result_, *request);
            return true;
        }
        const std::string& problem = std::get<std::string>(parsed);
        formatter_->appendBatchError(job.out, record.line, problem);
        job.err += "zodiora-chart: line " + std::to_string(record.line) + ": " + MessageText(problem) + '\n';
        return false;
    }

    const ChartFormatter* formatter_;
    ChartSession session_;
    ChartResult result_;  // refilled chart after chart, its strings keeping their room
};

}  // namespace

BatchOutcome RunBatch(std::istream& in, const BatchSettings& settings, std::ostream& out, std::ostream& err,
                      std::size_t* charted)
{
    const ChartFormatter& formatter = settings.formatter;
    std::string preamble;
    formatter.appendPreamble(preamble);
    out << preamble;

    CsvReader reader(in);
    bool firstRecord = true;
    bool wroteAny = false;
    bool anyFailed = false;
    std::size_t done = 0;
    std::size_t chartedSoFar = 0;
    bool stopped = false;
    Progress progress(err, settings.progress, settings.totalLines);

    std::size_t bytesWritten = 0;  // read and written on this thread only
    const auto read = [&](BatchJob& job) {
        const std::size_t wanted = ChunkRecords(bytesWritten, done);
        if (job.records.size() < wanted) job.records.resize(wanted);
        job.count = 0;
        // Once the output is lost there is no point charting the rest.
        while (out && job.count < wanted) {
            if (settings.stopRequested && settings.stopRequested()) {
                stopped = true;
                break;
            }
            if (!reader.next(job.records[job.count])) break;
            const CsvRecord& record = job.records[job.count];
            const bool header = firstRecord && record.problem.empty() && IsHeaderRecord(record.fields);
            firstRecord = false;
            if (!header) ++job.count;
        }
        return job.count > 0;
    };
    const auto write = [&](BatchJob& job) {
        // A blank line parts two charts on a terminal; JSON and CSV are one record a line.
        if (formatter.format == OutputFormat::Text && job.firstCharted && wroteAny) out << '\n';
        out << job.out;
        err << job.err;
        bytesWritten += job.out.size();
        wroteAny = true;
        anyFailed = anyFailed || job.anyFailed;
        done += job.count;
        chartedSoFar += job.charted;
        progress.update(done, job.records[job.count - 1].line);
    };
    OrderedPool<BatchJob> pool(settings.threads, ChunksPerWorker * settings.threads);
    pool.run(read, [&] { return BatchWorker(formatter, settings.settings); }, write);
    progress.finish();
    if (charted) *charted = chartedSoFar;

    if (stopped) return BatchOutcome::Stopped;
    if (reader.failed()) return BatchOutcome::InputUnreadable;
    return anyFailed ? BatchOutcome::SomeLinesFailed : BatchOutcome::AllCharted;
}

}  // namespace zodiora::cli
