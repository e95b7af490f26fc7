#include "cli/card_json.h"

#include "store/text_codec.h"

namespace quillox::cli {

namespace {

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

nlohmann::ordered_json CardToJson(const CardRecord& card) {
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

nlohmann::ordered_json CardsToJson(const CardCategory& category) {
    nlohmann::ordered_json cards = nlohmann::ordered_json::array();
    for (const auto& card : category) {
        cards.push_back(CardToJson(*card));
    }
    return cards;
}

}  // namespace

nlohmann::ordered_json CollectionToJson(const CardCollection& collection,
                                        const LoadResult& loaded) {
    nlohmann::ordered_json root;
    root["format"] = FormatName(loaded.format);
    root["encrypted"] = loaded.encrypted;
    if (loaded.format == FileFormat::Current) {
        root["header_version"] = loaded.headerVersion
                                     ? nlohmann::ordered_json(*loaded.headerVersion)
                                     : nlohmann::ordered_json(nullptr);
    }
    root["carried_header_value"] = collection.GetCarriedHeaderValue();
    nlohmann::ordered_json categories = nlohmann::ordered_json::array();
    for (int id = 0; id < kCategoryCount; ++id) {
        const CardCategory& category = collection.Category(id);
        const FieldLabels& labels = category.GetFieldLabels();
        categories.push_back({
            {"id", id},
            {"name", CategoryDisplayName(id)},
            {"labels", {labels[0], labels[1], labels[2], labels[3]}},
            {"cards", CardsToJson(category)},
        });
    }
    root["categories"] = std::move(categories);
    root["deleted"] = CardsToJson(collection.Deleted());
    return root;
}

}  // namespace quillox::cli
