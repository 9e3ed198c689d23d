#pragma once

#include <string>
#include <vector>

// Delimited lists in the room's texts: token splitting and the rank titles.
namespace SceneRules {

// Removes a leading delimiter from `source`, then moves the text up to the next delimiter into
// `token` and drops it with the delimiter from `source` (1); without a further delimiter the
// whole rest goes to `token` (0). An empty delimiter also gives the whole source and empties it (0).
int SplitToken(std::string& source, std::string& token, const std::string& delimiter);

// "|입문|초보|...|" split at "|": empty last piece dropped.
std::vector<std::string> SplitRankTitles(const std::string& list);
const char* RankTitleList();

}  // namespace SceneRules
