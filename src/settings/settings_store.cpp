#include "settings/settings_store.h"

#include "base/little_endian.h"

namespace velmira {

std::vector<uint8_t> EncodeDword(uint32_t value) {
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF),
            static_cast<uint8_t>((value >> 16) & 0xFF), static_cast<uint8_t>((value >> 24) & 0xFF)};
}

std::vector<uint8_t> EncodeText(const std::wstring& text) {
    std::vector<uint8_t> data;
    data.reserve((text.size() + 1) * 2);
    for (wchar_t c : text) {
        // Registry texts are UTF-16; wchar_t is 16 bits on Windows and wider
        // natively, where only the low 16 bits are meaningful.
        const auto unit = static_cast<uint16_t>(c);
        data.push_back(static_cast<uint8_t>(unit & 0xFF));
        data.push_back(static_cast<uint8_t>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

std::wstring DecodeText(const std::vector<uint8_t>& data) {
    std::wstring text;
    // An odd trailing byte is not a whole character and is dropped.
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const uint16_t unit = ReadLe16(&data[i]);
        if (unit == 0) break;
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

bool SettingsStore::ReadInteger(const std::wstring& name, int32_t& value) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (QueryValue(name, type, data) != QueryResult::Found) return false;
    if (type != static_cast<uint32_t>(RegValueType::Dword) || data.size() != 4) return false;
    value = static_cast<int32_t>(ReadLe32(data.data()));
    return true;
}

bool SettingsStore::ReadText(const std::wstring& name, std::wstring& value) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (QueryValue(name, type, data) != QueryResult::Found || data.empty()) {
        value.clear();
        return true;
    }
    if (type != static_cast<uint32_t>(RegValueType::Sz) &&
        type != static_cast<uint32_t>(RegValueType::ExpandSz)) {
        return false;
    }
    value = DecodeText(data);
    return true;
}

bool SettingsStore::WriteInteger(const std::wstring& name, int32_t value) {
    return SetValue(name, static_cast<uint32_t>(RegValueType::Dword),
                    EncodeDword(static_cast<uint32_t>(value)));
}

bool SettingsStore::WriteText(const std::wstring& name, const std::wstring& value) {
    return SetValue(name, static_cast<uint32_t>(RegValueType::Sz), EncodeText(value));
}

}  // namespace velmira
