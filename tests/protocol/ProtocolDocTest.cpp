#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"

extern const char* const kProtocolDoc;

namespace {

struct DocSection {
    std::vector<FieldDescription> fields;
    bool seen = false;
};

struct Doc {
    std::map<std::string, DocSection> records;   // by record name
    std::map<int, std::pair<std::string, DocSection>> messages;
    std::map<int, std::pair<std::string, DocSection>> requests;
};

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(' ');
    const size_t e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// Sections are "### Record Name", "### Request N Name" and "### N Name"; each table row below
// one gives a field's name and type in its first two cells.
Doc ParseDoc(const std::string& text)
{
    Doc doc;
    std::istringstream in(text);
    std::string line;
    DocSection* current = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("### ", 0) == 0) {
            std::istringstream words(line.substr(4));
            std::string first, second, third;
            words >> first >> second >> third;
            if (first == "Record") current = &doc.records[second];
            else if (first == "Request") current = &(doc.requests[std::stoi(second)] = {third, {}}).second;
            else current = &(doc.messages[std::stoi(first)] = {second, {}}).second;
            continue;
        }
        if (line.rfind("## ", 0) == 0) current = nullptr;
        if (!current || line.rfind("| ", 0) != 0 || line.rfind("| field |", 0) == 0) continue;
        std::vector<std::string> cells;
        std::istringstream row(line);
        std::string cell;
        while (std::getline(row, cell, '|')) cells.push_back(Trim(cell));
        if (cells.size() >= 3) current->fields.push_back({cells[1], cells[2]});
    }
    return doc;
}

// The record names a type text refers to: "list<BakEntry>" and "PlayerData[2]" name one each.
std::string RecordNameOf(std::string type)
{
    if (type.rfind("list<", 0) == 0) type = type.substr(5, type.find('>') - 5);
    type = type.substr(0, type.find('['));
    if (type.rfind("list<", 0) == 0) type = type.substr(5);
    static const std::set<std::string> plain = {"i32", "u32", "i64", "string"};
    return plain.count(type) ? std::string() : type;
}

template <class T> std::pair<std::string, std::function<std::vector<FieldDescription>()>> RecordEntry()
{
    return {T::kName, &DescribeFields<T>};
}

const std::map<std::string, std::function<std::vector<FieldDescription>()>>& CodeRecords()
{
    static const std::map<std::string, std::function<std::vector<FieldDescription>()>> records = {
        RecordEntry<RCUser>(), RecordEntry<PlayerInfo>(), RecordEntry<PITable>(), RecordEntry<WinInfo>(),
        RecordEntry<PlayerData>(), RecordEntry<BonusCardMonth>(), RecordEntry<DMissionPart>(),
        RecordEntry<MissionCard>(), RecordEntry<GameDataTable>(), RecordEntry<Option>(), RecordEntry<RCRoomData>(),
        RecordEntry<PromotionRecord>(), RecordEntry<IntPair>(), RecordEntry<PiTransfer>(),
        RecordEntry<MissionPartResult>(), RecordEntry<BakEntry>(), RecordEntry<GameEndSeat>(),
        RecordEntry<JackpotSeat>(), RecordEntry<JackpotRecord>(), RecordEntry<RefillRecord>(),
        RecordEntry<UserRecordEntry>(),
    };
    return records;
}

std::string Show(const std::vector<FieldDescription>& fields)
{
    std::string s;
    for (const auto& f : fields) s += "\n  " + f.name + " : " + f.type;
    return s;
}

}  // namespace

TEST(ProtocolDoc, EveryMessageTableMatchesTheCode)
{
    const Doc doc = ParseDoc(kProtocolDoc);
    for (int32_t id = 1; id <= kMaxGameMessageId; ++id) {
        const auto it = doc.messages.find(id);
        ASSERT_NE(it, doc.messages.end()) << "no section for message " << id;
        EXPECT_EQ(it->second.first, GameMessageName(id)) << "message " << id;
        const auto code = DescribeGameMessage(id);
        EXPECT_EQ(it->second.second.fields, code)
            << "message " << id << " " << GameMessageName(id) << "\ndoc:" << Show(it->second.second.fields)
            << "\ncode:" << Show(code);
    }
    EXPECT_EQ(doc.messages.size(), static_cast<size_t>(kMaxGameMessageId)) << "sections for ids the code lacks";
}

TEST(ProtocolDoc, EveryRequestTableMatchesTheCode)
{
    const Doc doc = ParseDoc(kProtocolDoc);
    for (int32_t type = 0; type <= kMaxGameRequestType; ++type) {
        const auto it = doc.requests.find(type);
        ASSERT_NE(it, doc.requests.end()) << "no section for request " << type;
        EXPECT_EQ(it->second.first, GameRequestName(type)) << "request " << type;
        const auto code = DescribeGameRequest(type);
        EXPECT_EQ(it->second.second.fields, code)
            << "request " << type << "\ndoc:" << Show(it->second.second.fields) << "\ncode:" << Show(code);
    }
    EXPECT_EQ(doc.requests.size(), static_cast<size_t>(kMaxGameRequestType + 1));
}

TEST(ProtocolDoc, EveryRecordTableMatchesTheCodeAndEveryUsedRecordHasOne)
{
    const Doc doc = ParseDoc(kProtocolDoc);
    for (const auto& [name, describe] : CodeRecords()) {
        const auto it = doc.records.find(name);
        ASSERT_NE(it, doc.records.end()) << "no section for record " << name;
        EXPECT_EQ(it->second.fields, describe()) << "record " << name << "\ndoc:" << Show(it->second.fields)
                                                 << "\ncode:" << Show(describe());
    }
    EXPECT_EQ(doc.records.size(), CodeRecords().size()) << "record sections the code does not know";

    std::vector<std::vector<FieldDescription>> tables;
    for (const auto& [name, section] : doc.records) tables.push_back(section.fields);
    for (const auto& [id, section] : doc.messages) tables.push_back(section.second.fields);
    for (const auto& fields : tables)
        for (const auto& f : fields) {
            const std::string record = RecordNameOf(f.type);
            if (!record.empty()) {
                EXPECT_TRUE(doc.records.count(record)) << f.name << " uses undocumented " << record;
            }
        }
}
