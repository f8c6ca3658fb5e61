#pragma once
// Where the seven-segment glyphs of the digital display go, and which glyph
// stands at each place for a given time. Portable: nothing is drawn here.

#include <array>
#include <cstdint>

#include "base/types.h"

namespace velmira {

// Glyph indices of the large and small digit strips: 0..9 the digits.
constexpr int kGlyphColon = 11;
constexpr int kAmImage = 0;
constexpr int kPmImage = 1;

struct GlyphCellSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The layout fields in the order the main stage declares them. The block of
// hour, colon and minute (four and a half digits wide) and the seconds row
// under it are centred on the hands' pivot.
struct DigitalLayout {
    int32_t digitLeft = 0;
    int32_t digitTop = 0;
    int32_t secondsLeft = 0;
    int32_t secondsTop = 0;
    int32_t ampmLeft = 0;
    int32_t ampmTop = 0;
    int32_t digitWidth = 0;
    int32_t digitHalfWidth = 0;
    int32_t smallDigitWidth = 0;

    // bigDigit, smallDigit, ampm: image sizes of the three strips.
    void SetUpDigitalLayout(Point secondPivot, GlyphCellSize bigDigit, GlyphCellSize smallDigit,
                            GlyphCellSize ampm);
};

// One glyph to draw: its index in the strip and the top-left corner.
struct GlyphPlacement {
    int index = 0;
    int32_t left = 0;
    int32_t top = 0;
    bool operator==(const GlyphPlacement& o) const {
        return index == o.index && left == o.left && top == o.top;
    }
};

// Hour, colon and minute in large glyphs, starting at (left, top). The hour
// has no leading zero: below 10 its tens place is left empty.
struct HourMinuteGlyphs {
    std::array<GlyphPlacement, 5> glyphs{};
    int count = 0;
};
HourMinuteGlyphs PlaceHourMinuteDigits(const DigitalLayout& layout, int32_t left, int32_t top,
                                       int hour, int minute);

// Everything the minute picture of the digital display shows for a time.
struct DigitalMinuteFace {
    bool showAmPm = false;
    GlyphPlacement ampm;  // image kAmImage or kPmImage of the AM/PM strip
    HourMinuteGlyphs digits;
};
// twelveHour: the 12-hour form with its AM/PM mark; hours 0 and 12 both show
// as 0 (0:05 AM, 0:00 PM), 13 as 1 PM.
DigitalMinuteFace PlaceDigitalMinute(const DigitalLayout& layout, int hour, int minute,
                                     bool twelveHour);

// The two small seconds digits, always both (00 to 59).
std::array<GlyphPlacement, 2> PlaceSecondsDigits(const DigitalLayout& layout, int second);

}  // namespace velmira
