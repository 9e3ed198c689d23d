#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
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

// Each numbered section names the code's type and lists its fields; no section is left over.
void ExpectSectionsMatch(const char* kind, const std::map<int, std::pair<std::string, DocSection>>& sections,
                         int32_t first, int32_t last, std::string_view (*nameOf)(int32_t),
                         std::vector<FieldDescription> (*describe)(int32_t))
{
    for (int32_t n = first; n <= last; ++n) {
        const auto it = sections.find(n);
        ASSERT_NE(it, sections.end()) << "no section for " << kind << " " << n;
        EXPECT_EQ(it->second.first, nameOf(n)) << kind << " " << n;
        EXPECT_EQ(it->second.second.fields, describe(n)) << kind << " " << n << " " << nameOf(n);
    }
    EXPECT_EQ(sections.size(), static_cast<size_t>(last - first + 1)) << kind << " sections the code lacks";
}

}  // namespace

void PrintTo(const FieldDescription& field, std::ostream* os)
{
    *os << field.name << " : " << field.type;
}

TEST(ProtocolDoc, EveryMessageAndRequestTableMatchesTheCode)
{
    const Doc doc = ParseDoc(kProtocolDoc);
    ExpectSectionsMatch("message", doc.messages, 1, kMaxGameMessageId, GameMessageName, DescribeGameMessage);
    ExpectSectionsMatch("request", doc.requests, 0, kMaxGameRequestType, GameRequestName, DescribeGameRequest);
}

TEST(ProtocolDoc, EveryRecordTableMatchesTheCodeAndEveryUsedRecordHasOne)
{
    const Doc doc = ParseDoc(kProtocolDoc);
    for (const auto& [name, describe] : CodeRecords()) {
        const auto it = doc.records.find(name);
        ASSERT_NE(it, doc.records.end()) << "no section for record " << name;
        EXPECT_EQ(it->second.fields, describe()) << "record " << name;
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
