#include "cli/card_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

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

// Appends text as a JSON string the way nlohmann's dump writes it: UTF-8
// kept as it is, quotes, backslashes and control characters escaped.
void AppendJsonString(std::string_view utf8, std::string& out) {
    out += '"';
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

// Writes one card's members by hand: a card is written for every card of a
// file, and building a JSON value per card costs more than the text output.
class CardWriter {
  public:
    void Write(const CardRecord& card, const std::string& indent, std::ostream& out) {
        member_ = indent + "  ";
        text_.clear();
        text_ += "{\n";
        Text("field1", card.GetField1());
        Text("field2", card.GetField2());
        Text("field3", card.GetField3());
        Text("field4", card.GetField4());
        Text("note", card.GetNote());
        Text("category_text", card.GetCategoryText());
        Text("modified_text", card.GetModifiedText());
        Number("category_id", card.GetCategoryId());
        Number("attribute_flags", card.GetAttributeFlags());
        Number("state_flags", card.GetStateFlags());
        Number("modified", card.GetModified());
        Number("record_tag", card.GetRecordTag(), true);
        text_ += indent;
        text_ += '}';
        out.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    }

  private:
    void Name(const char* name) {
        text_ += member_;
        text_ += '"';
        text_ += name;
        text_ += "\": ";
    }
    void Text(const char* name, std::string_view cp1252) {
        Name(name);
        utf8_.clear();
        AppendCp1252AsUtf8(cp1252, utf8_);
        AppendJsonString(utf8_, text_);
        text_ += ",\n";
    }
    void Number(const char* name, std::uint32_t value, bool last = false) {
        Name(name);
        text_ += std::to_string(value);
        text_ += last ? "\n" : ",\n";
    }

    std::string member_;
    std::string text_;
    std::string utf8_;
};

// A member holding an array of cards, whose members are indented by indent.
void WriteCards(const CardCategory& category, const std::string& indent, std::ostream& out) {
    if (category.Empty()) {
        out << "[]";
        return;
    }
    const std::string inner = indent + "  ";
    CardWriter writer;
    out << "[\n";
    bool first = true;
    for (const auto& card : category) {
        if (!out) {
            return;
        }
        out << (first ? "" : ",\n") << inner;
        writer.Write(*card, inner, out);
        first = false;
    }
    out << '\n' << indent << ']';
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
    if (loaded.form) {
        head["encryption_form"] = *loaded.form == EncryptionForm::Strong ? "strong" : "compatible";
    }
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
