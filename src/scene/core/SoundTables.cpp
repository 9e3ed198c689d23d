#include "scene/core/SoundTables.h"

#include "foundation/core/Text.h"

namespace SoundTables {

namespace {

constexpr const char* kEffects[kEffectCount] = {
    "room_join.ogg", "room_exit.ogg", "game_join.ogg", "game_exit.ogg", "game_disconnect.ogg",
    "start_default.ogg", "start_promotion.ogg", "game_start.ogg", "game_play.ogg", "game_clear.ogg",
    "hwatoo_sort.ogg", "hwatoo_share.ogg", "hwatoo_move.ogg", "hwatoo_put1.ogg", "hwatoo_put2.ogg",
    "hwatoo_put3.ogg", "hwatoo_put4.ogg", "hwatoo_put5.ogg", "hwatoo_open.ogg", "hwatoo_holdopen.ogg",
    "btn_click.ogg", "notify_turn.ogg", "notify_count.ogg", "notify_shake.ogg", "notify_bomb.ogg",
    "notify_2bomb.ogg", "nubomb.ogg", "nubomb_notify.ogg", "notify_mission.ogg", "notify_allin.ogg",
    "notify_decision.ogg", "mission_complete.ogg", "box_notify.ogg", "result_daebak.ogg", "result_winner.ogg",
    "result_loser.ogg", "result_greatewinner.ogg", "result_greateloser.ogg", "result_twinner.ogg",
    "result_twinner2.ogg", "result_tloser.ogg", "result_pokjook.ogg", "result_money.ogg", "result_multiple.ogg",
    "daebak_stamp.ogg", "notify_bak.ogg", "notify_gobak.ogg", "kungjjak_appear.ogg", "kungjjak_kung.ogg",
    "kungjjak_jjak.ogg", "kungjjak_kungjjak.ogg", "kungjjak_coin_success.ogg", "kungjjak_coin_fail.ogg",
    "tung.ogg", "pulse.ogg", "snare.ogg", "get_mission.ogg", "insite_chamgi.ogg", "cheer_chamgi.ogg",
    "sound_giftora.wav",
    "shout_assam.ogg", "shout_assaf.ogg", "shout_assar.ogg", "shout_eheem.ogg", "shout_eheef.ogg",
    "shout_eheer.ogg", "shout_euackm.ogg", "shout_euackf.ogg", "shout_euackr.ogg", "shout_1gom.ogg",
    "shout_1gof.ogg", "shout_1gor.ogg", "shout_2gom.ogg", "shout_2gof.ogg", "shout_2gor.ogg", "shout_3gom.ogg",
    "shout_3gof.ogg", "shout_3gor.ogg", "shout_4gom.ogg", "shout_4gof.ogg", "shout_4gor.ogg",
    "3go_win.ogg", "3go_lose.ogg", "sound_starteffect.ogg", "notify_caution.ogg", "notify_missionbomb.ogg",
    "mission_complete2.ogg", "mission_complete2.ogg", "sun_shuffle.ogg", "sun_over.ogg", "sun_select.ogg",
    "sun_good.ogg", "sun_bad.ogg", "sun_kawi.ogg", "sun_bawi.ogg", "sun_bo.ogg", "capture.wav",
    "bgm_chamgi1.ogg", "bgm_chamgi2.ogg", "notify_chamgi.ogg", "gauge.ogg", "gauge1.ogg", "success.ogg",
    "roundstart.ogg", "desperatewin.ogg", "desperatelose.ogg", "enter.ogg", "desperatenagari.ogg",
    "guseul_get.ogg", "jokboalert.wav", "bbuck_eat.ogg", "mission_eat.ogg", "score_ok.ogg",
};

constexpr VoiceCue kCues[kCueCount] = {
    {"1go", 3},      {"2go", 3},       {"3go", 3},         {"4go", 3},         {"5go", 3},       {"3guang", 3},
    {"4guang", 3},   {"5guang", 3},    {"godori", 3},      {"chungdan", 3},    {"hongdan", 3},   {"chodan", 3},
    {"hndl", 3},     {"poktan", 3},    {"ddadak", 3},      {"jjock", 3},       {"sseul", 3},     {"assa", 2},
    {"huck", 2},     {"huhu", 2},      {"yup", 2},         {"6go", 3},         {"7go", 3},       {"puck", 3},
    {"3puck", 3},    {"bringpuck", 3}, {"bringjapuck", 3}, {"stop", 3},        {"nagari", 3},    {"bi3guang", 3},
    {"chongtong", 3}, {"4hndl", 3},    {"mission_s", 3},   {"welcome", 1},     {"goodstart", 1}, {"badstart", 3},
    {"hurry", 2},    {"bonus_pi", 3},  {"1endure", 3},     {"2endure", 3},     {"2poktan", 3},   {"hello", 3},
    {"cong", 3},     {"sorry", 2},     {"hurry", 2},       {"bye", 2},         {"happy", 3},     {"s_happy", 2},
    {"unhappy", 2},  {"s_unhappy", 2}, {"bega", 2},        {"s_bega", 2},      {"jeer", 2},      {"s_jeer", 2},
    {"dis", 2},      {"s_dis", 2},
};

}  // namespace

std::string EffectFileName(int id)
{
    return id >= 0 && id < kEffectCount ? kEffects[id] : "";
}

std::vector<int> EffectLoadOrder()
{
    std::vector<int> order;
    for (int id = 0; id < kEffectCount; ++id) {
        if (id == 29) order.push_back(31);
        if (id == 31) continue;
        if (id == 88) order.push_back(96);
        if (id == 96) continue;
        order.push_back(id);
    }
    return order;
}

VoiceCue GetVoiceCue(int cue)
{
    if (cue < kFirstCue || cue >= kFirstCue + kCueCount) return {};
    return kCues[cue - kFirstCue];
}

std::string VoicePath(Voice voice, int voiceType, const std::string& name, int variant)
{
    const int folder = (voiceType >= 0 && voiceType <= 3 ? voiceType : 0) + 1;
    switch (voice) {
    case Voice::Male: return FormatText("Male%d\\%s%d.ogg", folder, name.c_str(), variant);
    case Voice::Female: return FormatText("Female%d\\%s%d.ogg", folder, name.c_str(), variant);
    default: return FormatText("Robot\\%s%d.ogg", name.c_str(), variant);
    }
}

}  // namespace SoundTables
