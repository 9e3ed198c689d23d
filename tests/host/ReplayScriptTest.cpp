#include "host/ReplayScript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::vector<std::string>>;

// Each test writes its scripts into a folder of its own.
class ReplayScript : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / (std::string("mirelle_replay_script_") + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const Files& files) const
    {
        for (const auto& [name, lines] : files) {
            const fs::path path = dir / name;
            fs::create_directories(path.parent_path());
            std::ofstream out(path, std::ios::binary);
            for (const auto& line : lines) out << line << "\n";
        }
    }
    std::string Main() const { return (dir / "main.jsonl").string(); }

    fs::path dir;
};

std::vector<std::string> Wheres(const std::vector<ScriptStep>& steps)
{
    std::vector<std::string> out;
    for (const auto& s : steps) out.push_back(s.where);
    return out;
}

TEST_F(ReplayScript, IncludesExpandInPlaceWithTheirParameters)
{
    Write({{"main.jsonl",
            {"# a comment", R"({"comment": "first", "text": "$5"})",
             R"({"include": "openings/enter.jsonl", "with": {"kind": 26}})", R"({"include": "openings/enter.jsonl"})",
             R"({"comment": "last"})"}},
           {"openings/enter.jsonl",
            {R"({"params": {"kind": 0, "seats": [101, 202]}})",
             R"({"deliver": "Room", "fields": {"kind": "$kind", "seats": "$seats", "list": ["$kind", "kind"]}})",
             R"({"include": "inner.jsonl", "with": {"key": "$kind"}})"}},
           {"openings/inner.jsonl", {R"({"params": {"key": 1}})", R"({"expect": "request", "name": "$key"})"}}});
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(LoadReplayScript(Main(), steps, error)) << error;

    EXPECT_EQ(Wheres(steps), (std::vector<std::string>{
                                 "main.jsonl:2",
                                 "openings/enter.jsonl:2 (included from main.jsonl:3)",
                                 "openings/inner.jsonl:2 (included from openings/enter.jsonl:3, main.jsonl:3)",
                                 "openings/enter.jsonl:2 (included from main.jsonl:4)",
                                 "openings/inner.jsonl:2 (included from openings/enter.jsonl:3, main.jsonl:4)",
                                 "main.jsonl:5",
                             }));
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].json["text"], "$5") << "a file without parameters keeps its dollar texts";
    EXPECT_EQ(steps[1].json["fields"], Json::parse(R"({"kind": 26, "seats": [101, 202], "list": [26, "kind"]})"));
    EXPECT_EQ(steps[2].json["name"], 26) << "a parameter passed on to a nested include";
    EXPECT_EQ(steps[3].json["fields"]["kind"], 0) << "the default when the include gives no value";
    EXPECT_EQ(steps[4].json["name"], 0);
    const std::vector<int> lines = {steps[0].scriptLine, steps[1].scriptLine, steps[2].scriptLine,
                                    steps[3].scriptLine, steps[4].scriptLine, steps[5].scriptLine};
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 3, 4, 4, 5})) << "included steps report the script's include line";
    std::vector<std::string> ownLines;
    for (const auto& s : steps) ownLines.push_back(s.file + ":" + std::to_string(s.fileLine));
    EXPECT_EQ(ownLines, (std::vector<std::string>{":2", "openings/enter.jsonl:2", "openings/inner.jsonl:2",
                                                  "openings/enter.jsonl:2", "openings/inner.jsonl:2", ":5"}))
        << "an included step also knows its own file and line; the script's own steps have no file";
}

TEST_F(ReplayScript, ARepeatedIncludeTakesItsStepsThatManyTimes)
{
    Write({{"main.jsonl", {R"({"comment": "first"})", R"({"include": "game.jsonl", "repeat": 3, "with": {"n": 7}})",
                           R"({"comment": "last"})"}},
           {"game.jsonl", {R"({"params": {"n": 0}})", R"({"deliver": "A", "fields": {"n": "$n"}})", R"({"advance": 5})"}}});
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(LoadReplayScript(Main(), steps, error)) << error;
    std::vector<std::string> want = {"main.jsonl:1"};
    for (int i = 0; i < 3; ++i) {
        want.push_back("game.jsonl:2 (included from main.jsonl:2)");
        want.push_back("game.jsonl:3 (included from main.jsonl:2)");
    }
    want.push_back("main.jsonl:3");
    EXPECT_EQ(Wheres(steps), want);
    ASSERT_EQ(steps.size(), want.size());
    EXPECT_EQ(steps[5].json["fields"]["n"], 7) << "each copy keeps the parameters";
}

TEST_F(ReplayScript, RejectsBrokenIncludesWithTheirFileAndLine)
{
    const struct { const char* name; Files files; std::string error; } cases[] = {
        {"missing file", {{"main.jsonl", {R"({"comment": "x"})", R"({"include": "none.jsonl"})"}}},
         "main.jsonl:2: cannot open include none.jsonl"},
        {"a script including itself", {{"main.jsonl", {R"({"include": "main.jsonl"})"}}},
         "main.jsonl:1: include cycle: main.jsonl -> main.jsonl"},
        {"a cycle through a subfolder, named with ..",
         {{"main.jsonl", {R"({"include": "sub/a.jsonl"})"}}, {"sub/a.jsonl", {R"({"include": "./../main.jsonl"})"}}},
         "sub/a.jsonl:1 (included from main.jsonl:1): include cycle: main.jsonl -> sub/a.jsonl -> main.jsonl"},
        {"a value for no parameter",
         {{"main.jsonl", {R"({"include": "o.jsonl", "with": {"kind": 1}})"}},
          {"o.jsonl", {R"({"params": {"kinds": 0}})", R"({"comment": "$kinds"})"}}},
         "main.jsonl:1: o.jsonl has no parameter kind"},
        {"a value for a file without parameters",
         {{"main.jsonl", {R"({"include": "o.jsonl", "with": {"kind": 1}})"}}, {"o.jsonl", {R"({"comment": "x"})"}}},
         "main.jsonl:1: o.jsonl has no parameter kind"},
        {"a placeholder that is no parameter",
         {{"main.jsonl", {R"({"include": "o.jsonl"})"}},
          {"o.jsonl", {R"({"params": {"kind": 0}})", R"({"fields": {"a": ["$kind", "$user"]}})"}}},
         "o.jsonl:2: $user is not a parameter of o.jsonl"},
        {"parameters after a step",
         {{"main.jsonl", {R"({"include": "o.jsonl"})"}}, {"o.jsonl", {R"({"comment": "x"})", R"({"params": {}})"}}},
         "o.jsonl:2: params come once, before the first step"},
        {"an include with another member", {{"main.jsonl", {R"({"include": "o.jsonl", "comment": "x"})"}}},
         "main.jsonl:1: an include step has only \"include\", \"with\" and \"repeat\""},
        {"a repeat of none", {{"main.jsonl", {R"({"include": "o.jsonl", "repeat": 0})"}}, {"o.jsonl", {R"({"comment": "x"})"}}},
         "main.jsonl:1: repeat takes a count from 1 to 1000"},
        {"a repeat that is no count", {{"main.jsonl", {R"({"include": "o.jsonl", "repeat": "9"})"}}, {"o.jsonl", {R"({"comment": "x"})"}}},
         "main.jsonl:1: repeat takes a count from 1 to 1000"},
        {"no JSON in an included file", {{"main.jsonl", {R"({"include": "o.jsonl"})"}}, {"o.jsonl", {"{deliver"}}},
         "o.jsonl:1: not a JSON object (scripts are UTF-8)"},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        Write(c.files);
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(LoadReplayScript(Main(), steps, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
}

// Mistakes in a script are load errors naming the line and what is wrong, before any step runs.
TEST_F(ReplayScript, RejectsStepsThatCannotRunWithTheirLineAndMember)
{
    const struct { const char* name; std::vector<std::string> lines; std::string error; } cases[] = {
        {"an empty script", {"# only a comment", ""}, "main.jsonl: no steps (an empty script would pass without testing anything)"},
        {"a negative advance", {R"({"advance": 10})", R"({"advance": -1})"},
         "main.jsonl:2: advance takes the milliseconds to advance, 0 or more, not -1"},
        {"an advance that is no number", {R"({"advance": "10"})"},
         "main.jsonl:1: advance takes the milliseconds to advance, 0 or more, not \"10\""},
        {"a misspelt member", {R"({"deliver": "DealCards", "feilds": {}})"},
         "main.jsonl:1: unknown member \"feilds\" of a deliver step"},
        {"two kinds in one step", {R"({"click": [1, 2], "key": "F1"})"},
         "main.jsonl:1: one step has one kind, this one has click and key"},
    };
    for (const auto& c : cases) {
        Write({{"main.jsonl", c.lines}});
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(LoadReplayScript(Main(), steps, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    Write({{"main.jsonl", {R"({"delivr": "DealCards"})"}}});
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(LoadReplayScript(Main(), steps, error));
    EXPECT_EQ(error.rfind("main.jsonl:1: unknown step {\"delivr\":\"DealCards\"} (a step is one of comment, include, deliver", 0), 0u)
        << error;
}

TEST_F(ReplayScript, AByteOrderMarkIsAccepted)
{
    Write({{"main.jsonl", {"\xEF\xBB\xBF{\"advance\": 5}", R"({"key": "F1"})"}}});
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(LoadReplayScript(Main(), steps, error)) << error;
    EXPECT_EQ(steps.size(), 2u);
}

TEST_F(ReplayScript, AMissingScriptIsNamed)
{
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_FALSE(LoadReplayScript(Main(), steps, error));
    EXPECT_NE(error.find("cannot open "), std::string::npos) << error;
    EXPECT_NE(error.find("main.jsonl"), std::string::npos) << error;
}

}  // namespace
