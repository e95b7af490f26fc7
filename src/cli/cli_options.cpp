#include "cli/cli_options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace quillox::cli {

const char* const kUsage =
    "Usage:\n"
    "  quillox-cli show FILE [--json] [--date-format N] [--password-stdin]\n"
    "  quillox-cli info FILE [--password-stdin]\n"
    "  quillox-cli convert IN OUT (--plain|--encrypt [--form strong|compatible])\n"
    "                      [--password-stdin] [--force]\n"
    "  quillox-cli generate [--length N] [--upper] [--lower] [--numbers] [--others]\n"
    "                       [--count K]\n"
    "  quillox-cli export FILE OUT (--text|--xml) [--no-notes] [--no-atm] [--title T]\n"
    "                     [--date-format N] [--password-stdin]\n"
    "  quillox-cli --help | --version\n"
    "\n"
    "show     prints every card of FILE, category by category, or as JSON.\n"
    "info     prints FILE's format, its encrypted form and key derivation cost,\n"
    "         read without a password, then its number of cards; for an\n"
    "         encrypted file the count needs the password, and without one it\n"
    "         says so.\n"
    "convert  reads IN (any format Quillox reads) and writes OUT in the current\n"
    "         format, plain or encrypted under a new password. --form strong (the\n"
    "         default) derives the key with Argon2id and seals the cards with\n"
    "         XChaCha20-Poly1305; --form compatible writes the Blowfish form that\n"
    "         earlier versions read, which holds at most 65,528 bytes of cards.\n"
    "         A symbolic link as OUT updates the file it points to; a read-only\n"
    "         OUT is replaced only with --force.\n"
    "generate prints K random passwords (default 1), one per line, of N characters\n"
    "         (default 10, at most 255) from the classes named; without a class\n"
    "         option, upper case letters, lower case letters and numbers.\n"
    "export   writes every card of FILE to OUT as the desktop program's exports do:\n"
    "         a readable text file (Windows-1252, CR LF line ends) or XML (UTF-16).\n"
    "         --no-notes leaves out the notes, --no-atm the ATM/PIN Cards category;\n"
    "         the title (default FILE's name) heads the text and names the XML\n"
    "         root. OUT holds every password in the clear and only you may read it.\n"
    "\n"
    "Passwords are asked on the terminal without echo, or with --password-stdin\n"
    "read one per line from standard input: first the password of an encrypted\n"
    "input file, then the new password for --encrypt.\n";

namespace {

bool ParseInt(const std::string& text, int& out) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

// Digits only, no sign; values beyond the type's range become its largest.
bool ParseWhole(const std::string& text, unsigned long& out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    out = errno == ERANGE ? ULONG_MAX : value;
    return true;
}

bool PasswordClasses::*ClassOption(const std::string& arg) {
    if (arg == "--upper") {
        return &PasswordClasses::upper;
    }
    if (arg == "--lower") {
        return &PasswordClasses::lower;
    }
    if (arg == "--numbers") {
        return &PasswordClasses::numbers;
    }
    if (arg == "--others") {
        return &PasswordClasses::others;
    }
    return nullptr;
}

bool ParseFlag(const std::vector<std::string>& args, std::size_t& i, Options& options,
               std::string& error) {
    const std::string& arg = args[i];
    const bool generate = options.command == Command::Generate;
    if (arg == "--password-stdin" && !generate) {
        options.passwordFromStdin = true;
    } else if (arg == "--json" && options.command == Command::Show) {
        options.json = true;
    } else if (arg == "--date-format" &&
               (options.command == Command::Show || options.command == Command::Export)) {
        if (i + 1 >= args.size() || !ParseInt(args[i + 1], options.dateFormat)) {
            error = "--date-format needs a whole number";
            return false;
        }
        ++i;
    } else if ((arg == "--plain" || arg == "--encrypt") && options.command == Command::Convert) {
        const bool encrypt = arg == "--encrypt";
        if (options.encrypt && *options.encrypt != encrypt) {
            error = "give either --plain or --encrypt, not both";
            return false;
        }
        options.encrypt = encrypt;
    } else if ((arg == "--text" || arg == "--xml") && options.command == Command::Export) {
        const bool xml = arg == "--xml";
        if (options.xml && *options.xml != xml) {
            error = "give either --text or --xml, not both";
            return false;
        }
        options.xml = xml;
    } else if (arg == "--no-notes" && options.command == Command::Export) {
        options.printNotes = false;
    } else if (arg == "--no-atm" && options.command == Command::Export) {
        options.printAtm = false;
    } else if (arg == "--title" && options.command == Command::Export) {
        if (i + 1 >= args.size()) {
            error = "--title needs a text";
            return false;
        }
        options.title = args[++i];
    } else if (arg == "--form" && options.command == Command::Convert) {
        const std::string value = i + 1 < args.size() ? args[++i] : std::string();
        if (value != "strong" && value != "compatible") {
            error = "--form needs strong or compatible";
            return false;
        }
        options.form = value == "strong" ? EncryptionForm::Strong : EncryptionForm::Compatible;
    } else if (arg == "--force" && options.command == Command::Convert) {
        options.force = true;
    } else if ((arg == "--length" || arg == "--count") && generate) {
        unsigned long& value = arg == "--length" ? options.length : options.count;
        if (i + 1 >= args.size() || !ParseWhole(args[i + 1], value)) {
            error = arg + " needs a whole number of 0 or more";
            return false;
        }
        ++i;
    } else if (bool PasswordClasses::*member = ClassOption(arg); member != nullptr && generate) {
        // Naming one class leaves out every class not named.
        if (!options.classes) {
            options.classes = PasswordClasses{false, false, false, false};
        }
        (*options.classes).*member = true;
    } else {
        error = "unknown option " + arg;
        return false;
    }
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        options.command = Command::Help;
        return options;
    }
    if (command == "--version") {
        options.command = Command::Version;
        return options;
    }
    if (command == "show") {
        options.command = Command::Show;
    } else if (command == "info") {
        options.command = Command::Info;
    } else if (command == "convert") {
        options.command = Command::Convert;
    } else if (command == "generate") {
        options.command = Command::Generate;
    } else if (command == "export") {
        options.command = Command::Export;
    } else {
        error = "unknown command " + command;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help") {
            options.command = Command::Help;
            return options;
        }
        if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
            if (!ParseFlag(args, i, options, error)) {
                return std::nullopt;
            }
        } else {
            options.files.push_back(args[i]);
        }
    }
    if (options.command == Command::Generate) {
        if (!options.files.empty()) {
            error = "generate takes no other arguments";
            return std::nullopt;
        }
        return options;
    }
    const bool oneFile = options.command == Command::Show || options.command == Command::Info;
    const std::size_t wanted = oneFile ? 1 : 2;
    if (options.files.size() != wanted) {
        error = command + (wanted == 1 ? " takes one file" : " takes an input and an output file");
        return std::nullopt;
    }
    if (options.command == Command::Convert && !options.encrypt) {
        error = "convert needs --plain or --encrypt";
        return std::nullopt;
    }
    if (options.form && !*options.encrypt) {
        error = "--form goes with --encrypt";
        return std::nullopt;
    }
    if (options.command == Command::Export && !options.xml) {
        error = "export needs --text or --xml";
        return std::nullopt;
    }
    return options;
}

}  // namespace quillox::cli
