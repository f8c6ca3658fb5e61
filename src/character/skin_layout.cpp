#include "character/skin_layout.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

namespace velmira {

namespace {

bool ParseNumber(const std::string& word, long long& value) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(word.c_str(), &end, 0);
    return errno == 0 && end && *end == '\0' && value >= INT32_MIN && value <= UINT32_MAX;
}

bool ToRect(const std::vector<long long>& v, Rect& r) {
    if (v.size() != 4 || v[2] < 0 || v[3] < 0) return false;
    for (long long n : v)
        if (n < INT32_MIN || n > INT32_MAX) return false;
    r = Rect{static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2]),
             static_cast<int32_t>(v[3])};
    return true;
}

bool ToColour(const std::vector<long long>& v, Colour& c) {
    if (v.size() != 1 || v[0] < 0 || v[0] > 0xFFFFFF) return false;
    c = static_cast<Colour>(v[0]);
    return true;
}

}  // namespace

bool ParseSkinLayout(const std::string& text, SkinLayout& out) {
    std::map<std::string, std::vector<long long>> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        std::istringstream words(line);
        std::string name;
        if (!(words >> name)) continue;
        std::vector<long long> numbers;
        std::string word;
        while (words >> word) {
            long long n = 0;
            if (!ParseNumber(word, n)) return false;
            numbers.push_back(n);
        }
        if (!entries.emplace(name, numbers).second) return false;  // twice
    }

    SkinLayout layout;
    auto it = entries.find("Image");
    if (it == entries.end() || it->second.size() != 2) return false;
    for (long long n : it->second)
        if (n < INT32_MIN || n > INT32_MAX) return false;
    layout.Image = Point{static_cast<int32_t>(it->second[0]), static_cast<int32_t>(it->second[1])};

    const std::pair<const char*, Rect*> rects[] = {{"FaceFrame", &layout.FaceFrame},
                                                   {"MouthArea", &layout.MouthArea},
                                                   {"MojibanBox", &layout.MojibanBox},
                                                   {"MojibanHandArea", &layout.MojibanHandArea}};
    for (const auto& [name, rect] : rects) {
        auto found = entries.find(name);
        if (found == entries.end() || !ToRect(found->second, *rect)) return false;
    }
    const std::pair<const char*, Colour*> colours[] = {
        {"SecHandColor", &layout.hands.secHandColor},
        {"HandFillColor", &layout.hands.handFillColor},
        {"HandEdgeColor", &layout.hands.handEdgeColor}};
    for (const auto& [name, colour] : colours) {
        auto found = entries.find(name);
        if (found == entries.end() || !ToColour(found->second, *colour)) return false;
    }
    if (entries.size() != 8) return false;  // an unknown entry is a broken skin
    out = layout;
    return true;
}

SkinLayout ScaledSkinLayout(const SkinLayout& layout, const DisplayScale& scale) {
    SkinLayout out = layout;
    out.Image = scale.Px(layout.Image);
    out.FaceFrame = scale.Px(layout.FaceFrame);
    out.MouthArea = scale.Px(layout.MouthArea);
    out.MojibanBox = scale.Px(layout.MojibanBox);
    out.MojibanHandArea = scale.Px(layout.MojibanHandArea);
    return out;
}

}  // namespace velmira
