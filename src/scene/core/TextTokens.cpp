#include "scene/core/TextTokens.h"

namespace SceneRules {

int SplitToken(std::string& source, std::string& token, const std::string& delimiter)
{
    // Nothing to split at: the whole source is the last token, so a loop over the pieces ends.
    if (delimiter.empty()) {
        token = source;
        source.clear();
        return 0;
    }
    if (source.compare(0, delimiter.size(), delimiter) == 0) source.erase(0, delimiter.size());
    const size_t at = source.find(delimiter);
    if (at == std::string::npos) {
        token = source;
        source.clear();
        return 0;
    }
    token = source.substr(0, at);
    source.erase(0, at + delimiter.size());
    return 1;
}

std::vector<std::string> SplitRankTitles(const std::string& list)
{
    std::vector<std::string> titles;
    std::string rest = list;
    std::string token;
    while (!rest.empty()) {
        SplitToken(rest, token, "|");
        if (!token.empty() || !rest.empty()) titles.push_back(token);
    }
    return titles;
}

const char* RankTitleList()
{
    return "|입문|초보|하수|중수|고수|선수|타짜|영웅|제왕|";
}

}  // namespace SceneRules
