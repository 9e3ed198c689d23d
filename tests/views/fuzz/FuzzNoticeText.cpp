// Any notice text: the plan's player indexes stay within the notice's animation set (0..27) or none,
// and a field found is a part of the text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "views/core/CheckNoticeRules.h"

namespace {

void Check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool InSet(int index) { return index == CheckNoticeRules::kNone || (index >= 0 && index <= CheckNoticeRules::kScrollOverlay); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CheckNoticeRules::NoticePlan plan = CheckNoticeRules::ParseNoticeText(text);
    Check(InSet(plan.caption) && InSet(plan.firstDigit) && InSet(plan.secondDigit), "player index outside the set");
    Check(plan.active || plan.message.empty(), "an inactive notice with a message");
    for (const char* key : {"TYPE", "TIME", "MSG"}) {
        const auto value = CheckNoticeRules::GetNoticeField(text, key);
        Check(!value || text.find(*value) != std::string_view::npos, "a field that is not in the text");
    }
    return 0;
}
