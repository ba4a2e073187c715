#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "chartlibrary/ChartLibrary.h"
#include "cli/ChartTool.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"

namespace zodiora::fuzz {

namespace {

namespace fs = std::filesystem;

const fs::path& Folder()
{
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "zodiora-fuzz-library-XXXXXX").string();
        Check(mkdtemp(pattern.data()) != nullptr, "a scratch folder");
        return fs::path(pattern);
    }();
    return folder;
}

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The file and nothing else but SQLite's companions, which hold no charts.
void CheckOnlyTheFile(const fs::path& file)
{
    for (const auto& entry : fs::directory_iterator(Folder())) {
        const std::string name = entry.path().filename();
        Check(name == file.filename() || name == file.filename().string() + "-wal" ||
                  name == file.filename().string() + "-shm",
              "a read creates and renames nothing");
    }
}

}  // namespace

int FuzzLibraryRead(const std::uint8_t* data, std::size_t size)
{
    const fs::path file = Folder() / "charts.sqlite";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    {
        ChartLibrary library;
        if (library.openToRead(file)) {
            const auto charts = library.list();
            if (charts) {
                for (const ChartSummary& summary : *charts) {
                    const auto chart = library.get(summary.id);
                    if (chart) (void)library.findByName(chart->form.name);
                }
            }
            Check(!library.save(SavedChart{}), "a library opened to read takes no changes");
        }
    }
    // The tool's read commands, as a script would run them.
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"--library", "list", "--json"}, std::vector<std::string>{"--chart", "ASHA", "--json"}}) {
        std::vector<const char*> argv{"zodiora-chart"};
        for (const std::string& argument : command) argv.push_back(argument.c_str());
        const std::string path = file.string();
        argv.push_back("--library-file");
        argv.push_back(path.c_str());
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::RunChartTool(static_cast<int>(argv.size()), argv.data(), in, out, err, false);
        Check(status == cli::ExitOk || status == cli::ExitBadInput || status == cli::ExitUnreadableLibrary,
              "a read ends with a known status");
        Check(status == cli::ExitOk || !err.str().empty(), "a failed read says why");
        CheckText(err.str(), false);
    }
    Check(Bytes(file) == bytes, "a read leaves the library's bytes as they were");
    CheckOnlyTheFile(file);
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(file.string() + suffix);
    return 0;
}

}  // namespace zodiora::fuzz
