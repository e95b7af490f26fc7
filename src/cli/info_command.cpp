#include <algorithm>

#include "cli/commands.h"
#include "store/file_messages.h"
#include "store/input_file.h"

namespace quillox::cli {

namespace {

std::string MemoryText(std::uint64_t bytes) {
    constexpr std::uint64_t kKiB = 1024;
    constexpr std::uint64_t kMiB = kKiB * 1024;
    if (bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    if (bytes % kKiB == 0) {
        return std::to_string(bytes / kKiB) + " KiB";
    }
    return std::to_string(bytes) + " bytes";
}

// What the file shows in the clear; nothing, with the reason said, when it
// cannot be read or is no data file.
std::optional<FileFacts> ReadFacts(const std::string& path, CliContext& context) {
    InputFile file;
    std::string error;
    if (!file.Open(path, error)) {
        context.err << error << '\n';
        return std::nullopt;
    }
    unsigned char head[kRecognisedHeadSize];
    const std::size_t headSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(file.Size(), sizeof head));
    if (!file.Read(head, headSize)) {
        context.err << "Cannot read the file " << path << ".\n";
        return std::nullopt;
    }
    const FileFacts facts = InspectCardFile(head, headSize, file.Size());
    if (facts.kind == FileKind::Foreign) {
        context.err << messages::kNotAQuilloxFile << '\n';
        return std::nullopt;
    }
    return facts;
}

FileFormat FormatOf(FileKind kind) {
    switch (kind) {
        case FileKind::Legacy1001:
            return FileFormat::Legacy1001;
        case FileKind::Legacy1002:
            return FileFormat::Legacy1002;
        case FileKind::Empty:
        case FileKind::Current:
        case FileKind::Foreign:
            break;
    }
    return FileFormat::Current;
}

void PrintFacts(const std::string& path, const FileFacts& facts, std::ostream& out) {
    out << FileTitleOf(path) << ": " << FormatLabel(FormatOf(facts.kind)) << ", "
        << EncryptionLabel(facts.encrypted, facts.form) << '\n';
    if (facts.form == EncryptionForm::Strong) {
        if (facts.kdfCost) {
            out << "Key derivation: Argon2id, " << facts.kdfCost->operations << " passes over "
                << MemoryText(facts.kdfCost->memoryBytes) << '\n';
        } else {
            out << "Key derivation: settings this program does not accept; the file was "
                   "changed or damaged\n";
        }
    } else if (facts.form == EncryptionForm::Compatible) {
        out << "Key derivation: none; Blowfish keyed by the password, at most 65,528 bytes of "
               "cards\n";
    }
}

}  // namespace

int RunInfo(const Options& options, CliContext& context) {
    const std::string& path = options.files[0];
    const std::optional<FileFacts> facts = ReadFacts(path, context);
    if (!facts) {
        return kExitFailure;
    }
    PrintFacts(path, *facts, context.out);
    // What the file says in the clear is printed even when the cards cannot
    // be counted: nobody to ask for the password is no failure.
    if (facts->encrypted && !context.passwords.Available()) {
        context.out << "Cards: not counted; the password is needed (type it on a terminal, or "
                       "give it with --password-stdin)\n";
        return kExitOk;
    }
    context.out.flush();  // the facts show before the password is asked
    std::optional<LoadedFile> loaded = LoadForCli(path, 0, context);
    if (!loaded) {
        return kExitFailure;
    }
    const CardCollection& cards = *loaded->collection;
    int count = 0;
    for (int id = 0; id < kCategoryCount; ++id) {
        count += cards.Category(id).Count();
    }
    context.out << "Cards: " << count << ", and " << cards.Deleted().Count() << " deleted\n";
    return kExitOk;
}

}  // namespace quillox::cli
