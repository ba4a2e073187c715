#include "cli/BatchRunner.h"

#include "cli/BatchFields.h"
#include "cli/CsvReader.h"
#include "cli/OrderedPool.h"
#include "cli/Progress.h"

namespace zodiora::cli {

namespace {

// Jobs in flight per worker: enough to keep every worker busy while the
// writer waits for a slow chart, small enough to keep memory flat.
constexpr std::size_t JobsPerWorker = 256;

struct BatchJob {
    CsvRecord record;
    std::string out;
    std::string err;
    bool charted = false;
};

class BatchWorker {
public:
    explicit BatchWorker(const ChartFormatter& formatter) : formatter_(&formatter) {}

    void operator()(BatchJob& job)
    {
        job.out.clear();
        job.err.clear();
        job.charted = false;
        std::string problem = job.record.problem;
        if (problem.empty()) {
            const auto arguments = ParseBatchFields(job.record.fields);
            if (const auto* message = std::get_if<std::string>(&arguments)) {
                problem = *message;
            } else {
                const auto parsed = ParseChartArguments(std::get<ChartArguments>(arguments));
                if (const auto* formMessage = std::get_if<std::string>(&parsed)) {
                    problem = *formMessage;
                } else {
                    const ChartResult result =
                        session_.run(std::get<BirthFormInput>(parsed), formatter_->reportMode());
                    formatter_->appendChart(job.out, job.record.line, result);
                    job.charted = true;
                    return;
                }
            }
        }
        formatter_->appendBatchError(job.out, job.record.line, problem);
        job.err = "zodiora-chart: line " + std::to_string(job.record.line) + ": " + problem + '\n';
    }

private:
    const ChartFormatter* formatter_;
    ChartSession session_;
};

}  // namespace

BatchOutcome RunBatch(std::istream& in, const BatchSettings& settings, std::ostream& out, std::ostream& err)
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
    Progress progress(err, settings.progress, settings.totalLines);

    const auto read = [&](BatchJob& job) {
        while (reader.next(job.record)) {
            const bool header = firstRecord && job.record.problem.empty() && IsHeaderRecord(job.record.fields);
            firstRecord = false;
            if (!header) return true;
        }
        return false;
    };
    const auto write = [&](BatchJob& job) {
        // A blank line parts two charts on a terminal; JSON and CSV are one record a line.
        if (formatter.format == OutputFormat::Text && job.charted && wroteAny) out << '\n';
        out << job.out;
        err << job.err;
        wroteAny = true;
        anyFailed = anyFailed || !job.charted;
        progress.update(++done, job.record.line);
    };
    OrderedPool<BatchJob> pool(settings.threads, JobsPerWorker * settings.threads);
    pool.run(read, [&] { return BatchWorker(formatter); }, write);
    progress.finish();

    if (reader.failed()) return BatchOutcome::InputUnreadable;
    return anyFailed ? BatchOutcome::SomeLinesFailed : BatchOutcome::AllCharted;
}

}  // namespace zodiora::cli
