#include "cli/card_json.h"
#include "cli/commands.h"
#include "store/text_codec.h"

namespace quillox::cli {

const char* FormatLabel(FileFormat format) {
    switch (format) {
        case FileFormat::Legacy1001:
            return "Version1.001 format";
        case FileFormat::Legacy1002:
            return "Version1.002 format";
        case FileFormat::Current:
            break;
    }
    return "current format";
}

namespace {

// Continuation lines of a note are indented under its label.
std::string IndentLines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i] == '\r' ? '\n' : text[i];
        if (out.back() == '\n') {
            out += "        ";
        }
    }
    return out;
}

void PrintCard(const CardRecord& card, const FieldLabels& labels, std::ostream& out) {
    for (int i = 0; i < 4; ++i) {
        out << "  " << labels[static_cast<std::size_t>(i)] << ": "
            << Cp1252ToUtf8(card.GetText(static_cast<CardRecord::Text>(i))) << '\n';
    }
    if (!card.GetNote().empty()) {
        out << "  Note: " << IndentLines(Cp1252ToUtf8(card.GetNote())) << '\n';
    }
    out << "  Last Modified: " << Cp1252ToUtf8(card.GetModifiedText()) << '\n';
    if (card.IsAutomaticAccess()) {
        out << "  Automatic Access\n";
    }
    if (card.IsNewBrowserWindow()) {
        out << "  New Browser Window\n";
    }
    out << '\n';
}

void PrintSection(const std::string& title, const CardCategory& category, std::ostream& out) {
    if (category.Empty()) {
        return;
    }
    out << "== " << title << " (" << category.Count()
        << (category.Count() == 1 ? " card" : " cards") << ") ==\n";
    for (const auto& card : category) {
        if (!out) {
            return;
        }
        PrintCard(*card, category.GetFieldLabels(), out);
    }
}

void PrintText(const std::string& path, const LoadedFile& loaded, std::ostream& out) {
    const CardCollection& collection = *loaded.collection;
    out << FileTitleOf(path) << ": " << FormatLabel(loaded.result.format) << ", "
        << EncryptionLabel(loaded.result.encrypted, loaded.result.form) << "\n\n";
    if (collection.TotalStoredSize() == 0) {
        out << "No cards.\n";
        return;
    }
    for (const CategoryId id : CategoryDisplayOrder()) {
        PrintSection(CategoryDisplayName(id), collection.Category(id), out);
    }
    PrintSection("Deleted cards", collection.Deleted(), out);
}

}  // namespace

int RunShow(const Options& options, CliContext& context) {
    const std::string& path = options.files[0];
    std::optional<LoadedFile> loaded = LoadForCli(path, options.dateFormat, context);
    if (!loaded) {
        return kExitFailure;
    }
    if (options.json) {
        WriteCollectionJson(*loaded->collection, loaded->result, context.out);
        context.out << '\n';
    } else {
        PrintText(path, *loaded, context.out);
    }
    return kExitOk;
}

}  // namespace quillox::cli
