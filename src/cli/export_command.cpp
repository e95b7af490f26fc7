#include <clocale>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "cli/commands.h"
#include "output/export_messages.h"
#include "output/text_export.h"
#include "output/xml_export.h"
#include "store/local_time.h"

namespace quillox::cli {

namespace {

// The desktop program runs in the user's locale, which shapes the heading's
// date and the cards' month and day names; an export here does the same and
// leaves the locale as it found it.
class UserLocale {
  public:
    UserLocale() {
        if (const char* current = std::setlocale(LC_ALL, nullptr)) {
            previous_ = current;
        }
        std::setlocale(LC_ALL, "");
    }
    ~UserLocale() { std::setlocale(LC_ALL, previous_.empty() ? "C" : previous_.c_str()); }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;

  private:
    std::string previous_;
};

// Today in the short date form of the user's locale.
std::string ShortDate() {
    std::tm local{};
    const bool converted = LocalTime(std::time(nullptr), local);
    char buffer[64];
    const std::size_t length =
        converted ? std::strftime(buffer, sizeof buffer, "%x", &local) : std::size_t{0};
    return std::string(buffer, length);
}

// Paths are UTF-8 on every system; a plain conversion would take them as the
// Windows code page and throw on a character it lacks.
bool SameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::u8path(first),
                                       std::filesystem::u8path(second), error) &&
           !error;
}

}  // namespace

int RunExport(const Options& options, CliContext& context) {
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];
    // Nothing asks before OUT is replaced, so the data file itself is kept from it.
    if (SameFile(in, out)) {
        context.err << "Refusing to export over the data file " << output::FullPath(in)
                    << " itself.\n";
        return kExitFailure;
    }
    const UserLocale locale;
    std::optional<LoadedFile> loaded = LoadForCli(in, options.dateFormat, context);
    if (!loaded) {
        return kExitFailure;
    }
    const std::string title = options.title ? *options.title : FileTitleOf(in);
    const output::PrintPreferences preferences{options.printNotes, options.printAtm};
    std::string message;
    const bool written =
        *options.xml ? output::ExportXml(out, *loaded->collection, title, preferences, message)
                     : output::ExportText(out, *loaded->collection, title, ShortDate(), preferences,
                                          message);
    if (!written) {
        context.err << message << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace quillox::cli
