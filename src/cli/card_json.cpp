#include "cli/card_json.h"

#include <nlohmann/json.hpp>

#include "store/text_codec.h"

namespace quillox::cli {

namespace {

using Json = nlohmann::ordered_json;

const char* FormatName(FileFormat format) {
    switch (format) {
        case FileFormat::Legacy1001:
            return "legacy-1001";
        case FileFormat::Legacy1002:
            return "legacy-1002";
        case FileFormat::Current:
            break;
    }
    return "current";
}

Json CardToJson(const CardRecord& card) {
    return {
        {"field1", Cp1252ToUtf8(card.GetField1())},
        {"field2", Cp1252ToUtf8(card.GetField2())},
        {"field3", Cp1252ToUtf8(card.GetField3())},
        {"field4", Cp1252ToUtf8(card.GetField4())},
        {"note", Cp1252ToUtf8(card.GetNote())},
        {"category_text", Cp1252ToUtf8(card.GetCategoryText())},
        {"modified_text", Cp1252ToUtf8(card.GetModifiedText())},
        {"category_id", card.GetCategoryId()},
        {"attribute_flags", card.GetAttributeFlags()},
        {"state_flags", card.GetStateFlags()},
        {"modified", card.GetModified()},
        {"record_tag", card.GetRecordTag()},
    };
}

// Writes a value dumped on its own as it stands at the given depth: its
// continuation lines indented by that much more. JSON text holds no raw
// line break inside a string, so every line break is one of the layout's.
void WriteIndented(const std::string& dumped, const std::string& indent, std::ostream& out) {
    std::size_t start = 0;
    for (std::size_t end = dumped.find('\n'); end != std::string::npos;
         end = dumped.find('\n', start)) {
        out.write(dumped.data() + start, static_cast<std::streamsize>(end + 1 - start));
        out << indent;
        start = end + 1;
    }
    out.write(dumped.data() + start, static_cast<std::streamsize>(dumped.size() - start));
}

// A member holding an array of cards, whose members are indented by indent.
void WriteCards(const CardCategory& category, const std::string& indent, std::ostream& out) {
    if (category.Empty()) {
        out << "[]";
        return;
    }
    const std::string inner = indent + "  ";
    out << "[\n";
    bool first = true;
    for (const auto& card : category) {
        if (!out) {
            return;
        }
        out << (first ? "" : ",\n") << inner;
        WriteIndented(CardToJson(*card).dump(2), inner, out);
        first = false;
    }
    out << '\n' << indent << ']';
}

void WriteCategory(int id, const CardCategory& category, std::ostream& out) {
    const FieldLabels& labels = category.GetFieldLabels();
    const Json head = {
        {"id", id},
        {"name", CategoryDisplayName(id)},
        {"labels", {labels[0], labels[1], labels[2], labels[3]}},
    };
    std::string text = head.dump(2);
    // Reopen the object after its last member to add the cards.
    text.resize(text.rfind('\n'));
    out << "    ";
    WriteIndented(text, "    ", out);
    out << ",\n      \"cards\": ";
    WriteCards(category, "      ", out);
    out << "\n    }";
}

}  // namespace

void WriteCollectionJson(const CardCollection& collection, const LoadResult& loaded,
                         std::ostream& out) {
    Json head;
    head["format"] = FormatName(loaded.format);
    head["encrypted"] = loaded.encrypted;
    if (loaded.format == FileFormat::Current) {
        head["header_version"] = loaded.headerVersion ? Json(*loaded.headerVersion) : Json(nullptr);
    }
    head["carried_header_value"] = collection.GetCarriedHeaderValue();
    std::string text = head.dump(2);
    text.resize(text.rfind('\n'));
    out << text << ",\n  \"categories\": [\n";
    for (int id = 0; id < kCategoryCount; ++id) {
        out << (id == 0 ? "" : ",\n");
        WriteCategory(id, collection.Category(id), out);
    }
    out << "\n  ],\n  \"deleted\": ";
    WriteCards(collection.Deleted(), "  ", out);
    out << "\n}";
}

}  // namespace quillox::cli
