#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"

extern const char* const kProtocolDoc;

namespace {

using Fields = std::vector<FieldDescription>;

struct Doc {
    std::map<std::string, Fields> records;
    std::map<int, std::pair<std::string, Fields>> messages, requests;  // by number: name and fields
};

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Sections are "### Record Name", "### Request N Name" and "### N Name"; each table row below
// one gives a field's name and type in its first two cells.
Doc ParseDoc(const std::string& text)
{
    Doc doc;
    std::istringstream in(text);
    Fields* current = nullptr;
    for (std::string line; std::getline(in, line);) {
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
        for (std::string cell; std::getline(row, cell, '|');) cells.push_back(Trim(cell));
        if (cells.size() >= 3) current->push_back({cells[1], cells[2]});
    }
    return doc;
}

template <class... R> std::map<std::string, Fields> DescribeRecords()
{
    return {{R::kName, DescribeFields<R>()}...};
}

// Each numbered section names the code's type and lists its fields; no section is left over.
void ExpectSectionsMatch(const char* kind, const std::map<int, std::pair<std::string, Fields>>& sections,
                         int32_t first, int32_t last, std::string_view (*nameOf)(int32_t), Fields (*describe)(int32_t))
{
    for (int32_t n = first; n <= last; ++n) {
        const auto it = sections.find(n);
        ASSERT_NE(it, sections.end()) << "no section for " << kind << " " << n;
        EXPECT_EQ(it->second.first, nameOf(n)) << kind << " " << n;
        EXPECT_EQ(it->second.second, describe(n)) << kind << " " << n << " " << nameOf(n);
    }
    EXPECT_EQ(sections.size(), static_cast<size_t>(last - first + 1)) << kind << " sections the code lacks";
}

}  // namespace

void PrintTo(const FieldDescription& field, std::ostream* os)
{
    *os << field.name << " : " << field.type;
}

TEST(ProtocolDoc, EveryMessageRequestAndRecordTableMatchesTheCode)
{
    const Doc doc = ParseDoc(kProtocolDoc);
    ExpectSectionsMatch("message", doc.messages, 1, kMaxGameMessageId, GameMessageName, DescribeGameMessage);
    ExpectSectionsMatch("request", doc.requests, 0, kMaxGameRequestType, GameRequestName, DescribeGameRequest);

    const auto records = DescribeRecords<RCUser, PlayerInfo, PITable, WinInfo, PlayerData, BonusCardMonth, DMissionPart,
                                         MissionCard, GameDataTable, Option, RCRoomData, PromotionRecord, IntPair,
                                         PiTransfer, MissionPartResult, BakEntry, GameEndSeat, LeaveEntry, JackpotSeat,
                                         JackpotRecord, RefillRecord, UserRecordEntry>();
    for (const auto& [name, fields] : records) {
        const auto it = doc.records.find(name);
        ASSERT_NE(it, doc.records.end()) << "no section for record " << name;
        EXPECT_EQ(it->second, fields) << "record " << name;
    }
    EXPECT_EQ(doc.records.size(), records.size()) << "record sections the code does not know";
}
