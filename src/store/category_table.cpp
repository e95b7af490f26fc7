#include "store/category_table.h"

#include <algorithm>

namespace quillox {

namespace {

const std::array<CategoryInfo, kCategoryCount> kCategories = {{
    {"WWW Sites", "WWW Sites", {"Name", "URL", "User ID", "Password"}, "Error Writing WWW Sites"},
    {"WWW Forms", "WWW Forms", {"Name", "URL", "User ID", "Password"}, "Error Writing WWW Forms"},
    {"FTP Servers",
     "FTP Servers",
     {"Name", "URL", "User ID", "Password"},
     "Error Writing FTP Servers"},
    {"Newsgroups",
     "NewsGroups",
     {"Name", "URL", "User ID", "Password"},
     "Error Writing News Groups"},
    {"Online Banking",
     "Online Banking",
     {"Bank", "URL", "User ID", "Password"},
     "Error Writing Online Banking"},
    {"Login Accounts",
     "Login Accounts",
     {"Name", "Host", "Login", "Password"},
     "Error Writing Login Accounts"},
    {"Email Accounts",
     "EMail Accounts",
     {"Full Name", "POP Server", "UserID", "Password"},
     "Error Writing EMail Accounts"},
    {"Bank Accounts",
     "Bank Accounts",
     {"Bank", "Branch Number", "Account Holder", "Account Number"},
     "Error Writing BankAccounts"},
    {"Credit Cards",
     "Credit Cards",
     {"Name/Type", "Exp. Date", "Number", "PIN Code"},
     "Error Writing CreditCards"},
    {"ATM/PIN Cards",
     "ATM/PIN Cards",
     {"Name", "Bank", "Telephone Number", "ATM/PIN Code"},
     "Error Writing ATMPinCards"},
    {"Personal Data",
     "Personal Data",
     {"Person", "Type of Data", "Date/Place Issued", "Number"},
     "Error Writing PersonalData"},
    {"Software Keys",
     "Software Keys",
     {"Product", "Home Page", "Licensed To", "Software Key"},
     "Error Writing SoftwareKeys"},
    {"Serial Numbers",
     "Serial Numbers",
     {"Name", "Home Page", "Other", "Number"},
     "Error Writing SerialNumbers"},
    {"Membership Numbers",
     "Membership Numbers",
     {"Organisation", "Home Page", "Name", "Number"},
     "Error Writing MemberShip"},
    {"Miscellaneous",
     "Miscellaneous",
     {"Name", "Home Page", "Description", "Password"},
     "Error Writing Miscelleneous"},
}};

const std::array<CategoryId, kCategoryCount> kDisplayOrder = {0, 1, 2,  3,  5,  6,  7, 4,
                                                              8, 9, 10, 11, 12, 13, 14};

}  // namespace

const char* const kDeletedCardsSaveError = "Error Writing DeleteCategories";
const char* const kShowAllName = "Show All";

FieldLabels DefaultFieldLabels() {
    return {"Field_1", "Field_2", "Field_3", "Field_4"};
}

const CategoryInfo& CategoryInfoOf(int id) {
    return kCategories.at(static_cast<std::size_t>(id));
}

const std::array<CategoryId, kCategoryCount>& CategoryDisplayOrder() {
    return kDisplayOrder;
}

int FindCategoryByName(const std::string& name) {
    for (int id = 0; id < kCategoryCount; ++id) {
        if (name == kCategories[static_cast<std::size_t>(id)].displayName) {
            return id;
        }
    }
    return -1;
}

std::string CategoryDisplayName(int id) {
    if (id >= 1 && id < kCategoryCount) {
        return CategoryInfoOf(id).displayName;
    }
    return CategoryInfoOf(0).displayName;
}

void GetFieldLabels(int id, std::string& label1, std::string& label2, std::string& label3,
                    std::string& label4) {
    if (id < 0 || id >= kCategoryCount) {
        return;
    }
    const auto& labels = CategoryInfoOf(id).labels;
    label1 = labels[0];
    label2 = labels[1];
    label3 = labels[2];
    label4 = labels[3];
}

std::size_t GetFieldLabels(const std::string& name, std::string& label1, std::string& label2,
                           std::string& label3, std::string& label4) {
    const int id = FindCategoryByName(name);
    if (id < 0) {
        return 0;
    }
    GetFieldLabels(id, label1, label2, label3, label4);
    return std::max<std::size_t>({1, label1.size(), label2.size(), label3.size(), label4.size()});
}

}  // namespace quillox
