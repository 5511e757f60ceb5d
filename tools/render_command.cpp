// Tvtool render: draws pages of a definition as the menu shows them, into PNG files, so that a menu
// can be reviewed without starting it. The definition is read with the runtime's rules; a file that
// reads with rule failures is still drawn (the exit code tells), one whose reading stopped is not.

#include <memory>
#include <optional>

#include "common/path.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

namespace {

struct RenderOptions {
    std::optional<int> page;
    bool all = false;
    std::optional<int> mode;
    std::string out;
    std::string programFolder;
    std::string file;
};

// Whole decimal numbers from low to high; anything else is no number.
std::optional<int> NumberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<RenderOptions> Parse(const CommandArguments& arguments, std::ostream& err) {
    RenderOptions o;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool takesValue = a == "--page" || a == "--mode" || a == "--out" || a == "--program-folder";
        if (takesValue && i + 1 >= arguments.size()) {
            err << "Tvtool: " << a << " needs a value\n";
            return std::nullopt;
        }
        if (a == "--page") {
            o.page = NumberIn(arguments[++i], 1, definition::kPageCount);
            if (!o.page) {
                err << "Tvtool: --page takes a page number from 1 to 99, not \"" << arguments[i] << "\"\n";
                return std::nullopt;
            }
        } else if (a == "--mode") {
            o.mode = NumberIn(arguments[++i], 1, 9);
            if (!o.mode) {
                err << "Tvtool: --mode takes a display mode from 1 to 9, not \"" << arguments[i] << "\"\n";
                return std::nullopt;
            }
        } else if (a == "--all") {
            o.all = true;
        } else if (a == "--out") {
            o.out = arguments[++i];
        } else if (a == "--program-folder") {
            o.programFolder = arguments[++i];
        } else if (a.size() > 1 && a.starts_with("--")) {
            err << "Tvtool: unknown option \"" << a << "\"\n";
            return std::nullopt;
        } else {
            files.push_back(a);
        }
    }
    if (o.page && o.all) {
        err << "Tvtool: --page and --all exclude each other\n";
        return std::nullopt;
    }
    if (o.out.empty()) {
        err << "Tvtool: render needs --out FOLDER\n";
        return std::nullopt;
    }
    if (files.size() != 1) {
        err << "Tvtool: wrong number of file arguments\n";
        return std::nullopt;
    }
    o.file = files[0];
    return o;
}

}  // namespace

int RunRender(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = Parse(arguments, environment.err);
    if (!options) return kExitUsage;
    if (!environment.rendering) {
        environment.err << "Tvtool: render draws pages with the Windows page renderer; run the Windows "
                           "build (Tvtool.exe) to render\n";
        return kExitUsage;
    }
    // A missing menu is not a wrong one: nothing to draw is an input error.
    const std::string source = environment.fullPath(options->file);
    if (!environment.files.Exists(source) || environment.files.IsFolder(source)) {
        environment.err << "Tvtool: cannot find \"" << source << "\"\n";
        return kExitUsage;
    }
    auto def = std::make_unique<definition::MenuDefinition>();
    const ToolRead read = ReadForTool(options->file, false, options->programFolder, *def, environment);
    if (!read.readable) return kExitUsage;
    const definition::ReadResult& r = read.result;
    for (const auto& f : r.failures) environment.err << FailureLine(f) << "\n";
    if (r.runErrorNumber != 0) environment.err << RunErrorLine(r) << "\n";
    if (r.stopped) {
        environment.err << "Tvtool: nothing rendered, the reading stopped\n";
        return kExitRuleFailed;
    }

    RenderJob job;
    job.definition = def.get();
    job.mode = options->mode.value_or(def->displayMode);
    if (options->page) {
        if (!def->Page(*options->page).defined) {
            environment.err << "Tvtool: page " << *options->page << " is not defined in \"" << read.path
                            << "\"\n";
            return kExitUsage;
        }
        job.pages.push_back(*options->page);
    } else {
        for (int p = 1; p <= definition::kPageCount; ++p) {
            if (def->Page(p).defined) job.pages.push_back(p);
        }
        if (job.pages.empty()) {
            environment.err << "Tvtool: \"" << read.path << "\" defines no page\n";
            return kExitUsage;
        }
    }
    job.outFolder = environment.fullPath(options->out);
    job.programFolder = options->programFolder.empty() ? environment.programFolder
                                                       : environment.fullPath(options->programFolder);
    job.definitionFolder = FolderPart(read.path);

    std::vector<std::string> written;
    std::string problem;
    const bool done = environment.rendering->Render(job, written, problem);
    for (const auto& file : written) environment.out << file << "\n";
    if (!done) {
        environment.err << "Tvtool: " << problem << "\n";
        return kExitUsage;
    }
    return r.failures.empty() && r.runErrorNumber == 0 ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
