#include "output/text_export.h"

#include <new>

#include "output/export_file.h"
#include "output/export_messages.h"
#include "output/line_breaks.h"
#include "store/safe_save.h"
#include "store/text_codec.h"

namespace quillox::output {

namespace {

// Appends text as a text-mode file would store it: each line break (cards
// keep CR LF, a lone LF or CR counts as one too) as one CR LF, followed by
// indent spaces.
void AppendLines(std::string& out, std::string_view text, std::size_t indent = 0) {
    ForEachLine(text, [&](std::string_view line, bool last) {
        out += line;
        if (!last) {
            out += "\r\n";
            out.append(indent, ' ');
        }
    });
}

void AppendPadding(std::string& out, std::size_t width, std::size_t used) {
    if (width + 2 > used) {
        out.append(width + 2 - used, ' ');
    }
}

void AppendValue(std::string& out, std::string_view label, std::size_t width,
                 std::string_view value) {
    out += ' ';
    out += label;
    AppendPadding(out, width, label.size());
    AppendLines(out, value);
    out += "\r\n";
}

void AppendSection(std::string& out, CategoryId id, const CardCategory& category,
                   const PrintPreferences& preferences) {
    const std::string name = CategoryDisplayName(id);
    FieldLabels labels;
    const std::size_t width = GetFieldLabels(name, labels[0], labels[1], labels[2], labels[3]);
    for (const char c : name) {
        out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    out += "\r\n\r\n";
    int number = 0;
    for (const auto& card : category) {
        out += " Cardnumber: " + std::to_string(++number) + "\r\n";
        for (int i = 0; i < 4; ++i) {
            AppendValue(out, labels[static_cast<std::size_t>(i)], width,
                        card->GetText(static_cast<CardRecord::Text>(i)));
        }
        if (preferences.printNotes) {
            out += " Note:";
            AppendPadding(out, width, 5);
            AppendLines(out, card->GetNote(), width + 3);
            out += "\r\n";
        }
        out += "\r\n";
    }
    out += "======================\r\n\r\n";
}

}  // namespace

std::string BuildTextExport(const CardCollection& collection, std::string_view title,
                            std::string_view date, const PrintPreferences& preferences) {
    std::string out;
    // Each card's labels and line ends come to about twice its stored size.
    out.reserve(static_cast<std::size_t>(collection.TotalStoredSize()) * 2 + 2048);
    out += "Filename: ";
    AppendLines(out, Utf8ToCp1252Replacing(title));
    out += '\t';
    AppendLines(out, Utf8ToCp1252Replacing(date));
    out += "\r\n\r\n";
    for (const CategoryId id : CategoryDisplayOrder()) {
        if (preferences.Includes(id)) {
            AppendSection(out, id, collection.Category(id), preferences);
        }
    }
    return out;
}

bool ExportText(const std::string& path, const CardCollection& collection, std::string_view title,
                std::string_view date, const PrintPreferences& preferences, std::string& message) {
    std::string bytes;
    try {
        bytes = BuildTextExport(collection, title, date, preferences);
    } catch (const std::bad_alloc&) {
        message = ExportFailureMessage(path, "out of memory");
        return false;
    }
    SaveFailure failure;
    if (!WriteExportFile(path, bytes, failure)) {
        message = ExportFailureMessage(path, failure.reason);
        return false;
    }
    return true;
}

}  // namespace quillox::output
