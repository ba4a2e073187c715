#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/ChartRequest.h"
#include "cli/JsonWriter.h"
#include "cli/TextWords.h"
#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// What the command line says to the sections, read once per run and the
/// same for every chart of a batch. Sections that need an option of their
/// own add a field here and fill it in ToolOptions::sectionOptions.
struct SectionOptions {
    /// --time-uncertainty: how many minutes either way the birth time may
    /// be off; a margin narrower than it is narrow (--with margins). When
    /// not given, a saved chart's own, else 5.
    std::optional<int> timeUncertaintyMinutes;
    /// --transit: the moment (Julian day, universal time) the transits are for.
    std::optional<double> transitJd;
};

/// Everything a section may read for one chart.
struct SectionContext {
    const ChartResult& result;
    const ChartRequest& request;
    const SectionOptions& options;

    /// The birth-time uncertainty in force for this chart, minutes.
    int timeUncertaintyMinutes() const
    {
        return options.timeUncertaintyMinutes.value_or(request.timeUncertainty.value_or(5));
    }
};

/// A named part of the output that `--with NAME` adds to a chart, in
/// JSON, text and (where it has a flat form) CSV. Each section is one file
/// under cli/sections/ defining one of these; SectionList.cpp lists them.
/// Its helpers live in a namespace named for it (kp_section, …), not an
/// anonymous one: the sections are compiled together in unity batches.
struct OutputSection {
    std::string_view name;     ///< its --with name
    std::string_view summary;  ///< what it holds, for --help
    /// Appends its key(s) and values to the chart's JSON object.
    void (*appendJson)(JsonWriter& json, const SectionContext& context);
    /// Appends a titled block of text, starting with a blank line, in the
    /// words of --lang and --sanskrit (JSON and CSV never see them).
    void (*appendText)(std::string& out, const SectionContext& context, const TextWords& words);
    /// Appends its CSV column names, each led by a comma; null when the
    /// section has no flat form (--format csv then refuses it).
    void (*appendCsvHeader)(std::string& out);
    /// Appends its CSV fields, each led by a comma, as many as the header's.
    void (*appendCsvRow)(std::string& out, const SectionContext& context);
};

/// Every section, in the order their keys are written.
std::span<const OutputSection* const> AllSections();

/// The transits, which --transit adds after the --with sections (it is no --with name).
const OutputSection& TransitsSection();

/// The sections chosen with --with, in registry order, each once.
using SectionSelection = std::vector<const OutputSection*>;

/// Reads a comma-separated --with list ("vargas,kp"); an unknown or empty
/// name gives a message naming it and the choices.
std::variant<SectionSelection, std::string> ParseSections(std::string_view list);

/// The message when `--format csv` meets a section without CSV columns, or nothing.
std::optional<std::string> CsvRefusal(const SectionSelection& sections);

}  // namespace zodiora::cli
