#include "settings/settings_rules.h"

namespace velmira {

namespace {

// A stored integer's bits read into a narrower field. The day keeps its low
// 8 bits as a signed number, the month word its low 16 bits.
int8_t DayFromStored(int32_t stored) {
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(stored) & 0xFFu));
}

uint16_t MonthWordFromStored(int32_t stored) {
    return static_cast<uint16_t>(static_cast<uint32_t>(stored) & 0xFFFFu);
}

bool ReadBool(SettingsStore& store, const std::wstring& name, bool& field) {
    int32_t value = 0;
    if (!store.ReadInteger(name, value)) return false;
    field = value != 0;
    return true;
}

bool WriteBool(SettingsStore& store, const std::wstring& name, bool value) {
    return store.WriteInteger(name, value ? 1 : 0);
}

// One slot; the first failing read ends it, fields read before stay read.
void LoadSlot(SettingsStore& store, int slot, AnniversaryEntry& anniversary,
              ScheduleEntry& schedule) {
    if (!store.ReadText(SlotValueName(L"kiMes", slot), anniversary.message)) return;
    if (!store.ReadText(SlotValueName(L"yoMes", slot), schedule.message)) return;
    if (!store.ReadText(SlotValueName(L"kiSnd", slot), anniversary.sound)) return;
    if (!store.ReadText(SlotValueName(L"yoSnd", slot), schedule.sound)) return;
    int32_t value = 0;
    if (!store.ReadInteger(SlotValueName(L"KiTuki", slot), value)) return;
    anniversary.KiTuki = MonthWordFromStored(value);
    if (!store.ReadInteger(SlotValueName(L"KiHi", slot), value)) return;
    anniversary.KiHi = DayFromStored(value);
    store.ReadInteger(SlotValueName(L"Yotei", slot), schedule.Yotei);
}

// The whole load; the first failing read outside a slot ends it.
// The stored form takes slot i of both kinds together (kiMes0, yoMes0, ...).
static_assert(kAnniversarySlots == kScheduleSlots, "the stored form pairs the slots");

void LoadAll(SettingsStore& store, StageSettings& s) {
    if (!ReadBool(store, L"AnaDigi", s.AnaDigi)) return;
    if (!ReadBool(store, L"StayOnTop", s.StayOnTop)) return;
    if (!store.ReadInteger(L"FormLeft", s.FormLeft)) return;
    if (!store.ReadInteger(L"FormTop", s.FormTop)) return;
    for (int slot = 0; slot < kScheduleSlots; ++slot) {
        LoadSlot(store, slot, s.reminders.anniversaries[slot], s.reminders.schedules[slot]);
    }
    if (!store.ReadInteger(L"lastYotei", s.reminders.lastYotei)) return;
    if (!store.ReadInteger(L"samiLim", s.samiLim)) return;
    if (!store.ReadInteger(L"ThreadPrio", s.ThreadPrio)) return;
    ReadBool(store, L"DigiAMPM", s.DigiAMPM);
}

bool SaveAll(SettingsStore& store, const StageSettings& s, int32_t formLeft, int32_t formTop) {
    if (!store.WriteInteger(L"lastYotei", s.reminders.lastYotei)) return false;
    if (!WriteBool(store, L"AnaDigi", s.AnaDigi)) return false;
    if (!WriteBool(store, L"StayOnTop", s.StayOnTop)) return false;
    if (!store.WriteInteger(L"FormLeft", formLeft)) return false;
    if (!store.WriteInteger(L"FormTop", formTop)) return false;
    if (!store.WriteInteger(L"samiLim", s.samiLim)) return false;
    for (int slot = 0; slot < kScheduleSlots; ++slot) {
        const AnniversaryEntry& anniversary = s.reminders.anniversaries[slot];
        const ScheduleEntry& schedule = s.reminders.schedules[slot];
        if (!store.WriteText(SlotValueName(L"kiMes", slot), anniversary.message)) return false;
        if (!store.WriteText(SlotValueName(L"yoMes", slot), schedule.message)) return false;
        if (!store.WriteText(SlotValueName(L"kiSnd", slot), anniversary.sound)) return false;
        if (!store.WriteText(SlotValueName(L"yoSnd", slot), schedule.sound)) return false;
        // The month word goes out zero-extended, the day sign-extended.
        if (!store.WriteInteger(SlotValueName(L"KiTuki", slot),
                                static_cast<int32_t>(anniversary.KiTuki))) {
            return false;
        }
        if (!store.WriteInteger(SlotValueName(L"KiHi", slot),
                                static_cast<int32_t>(anniversary.KiHi))) {
            return false;
        }
        if (!store.WriteInteger(SlotValueName(L"Yotei", slot), schedule.Yotei)) return false;
    }
    if (!store.WriteInteger(L"ThreadPrio", s.ThreadPrio)) return false;
    return WriteBool(store, L"DigiAMPM", s.DigiAMPM);
}

}  // namespace

std::wstring SlotValueName(const wchar_t* baseName, int slot) {
    return std::wstring(baseName) + static_cast<wchar_t>(L'0' + slot);
}

bool LoadSettings(SettingsStore& store, const std::wstring& keyPath, StageSettings& settings) {
    if (!store.OpenOrCreate(keyPath)) return false;
    StoreKeyGuard guard(store);
    LoadAll(store, settings);
    return true;
}

bool SaveSettings(SettingsStore& store, const std::wstring& keyPath, const StageSettings& settings,
                  int32_t formLeft, int32_t formTop) {
    if (!store.OpenOrCreate(keyPath)) return false;
    StoreKeyGuard guard(store);
    SaveAll(store, settings, formLeft, formTop);
    return true;
}

bool ResetSettingsKey(SettingsKeyTree& tree, const std::wstring& keyPath,
                      const std::wstring& parentKeyPath) {
    if (!tree.KeyExists(keyPath)) return false;
    const bool deleted = tree.DeleteKeyTree(keyPath);
    // The parent goes only when nothing else lives under it; one that cannot
    // be opened is left alone.
    bool hasSubkeys = true;
    if (tree.QueryHasSubkeys(parentKeyPath, hasSubkeys) && !hasSubkeys) {
        tree.DeleteKeyTree(parentKeyPath);
    }
    return deleted;
}

}  // namespace velmira
