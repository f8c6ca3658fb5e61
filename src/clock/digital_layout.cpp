#include "clock/digital_layout.h"

namespace velmira {

namespace {

int PositiveModulo(int value, int divisor) {
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

}  // namespace

void DigitalLayout::SetUpDigitalLayout(Point secondPivot, GlyphCellSize bigDigit,
                                       GlyphCellSize smallDigit, GlyphCellSize ampm) {
    digitWidth = bigDigit.width;
    digitHalfWidth = digitWidth / 2;
    smallDigitWidth = smallDigit.width;
    digitLeft = secondPivot.x - 2 * digitWidth - digitHalfWidth / 2;
    digitTop = secondPivot.y - (bigDigit.height + smallDigit.height) / 2;
    // The seconds end where the minutes end.
    secondsLeft = digitLeft + 4 * digitWidth + digitHalfWidth - 2 * smallDigitWidth;
    secondsTop = digitTop + bigDigit.height;
    // The mark's bottom edge is the seconds' bottom edge.
    ampmLeft = digitLeft;
    ampmTop = secondsTop + smallDigit.height - ampm.height;
}

HourMinuteGlyphs PlaceHourMinuteDigits(const DigitalLayout& layout, int32_t left, int32_t top,
                                       int hour, int minute) {
    HourMinuteGlyphs out;
    int32_t x = left;
    if (hour > 9) out.glyphs[out.count++] = {hour / 10, x, top};
    x += layout.digitWidth;
    out.glyphs[out.count++] = {hour % 10, x, top};
    x += layout.digitWidth;
    out.glyphs[out.count++] = {kGlyphColon, x, top};
    // The colon's dots stand in the left half of its cell, so the minutes
    // start only half a digit further on.
    x += layout.digitHalfWidth;
    out.glyphs[out.count++] = {minute / 10, x, top};
    x += layout.digitWidth;
    out.glyphs[out.count++] = {minute % 10, x, top};
    return out;
}

DigitalMinuteFace PlaceDigitalMinute(const DigitalLayout& layout, int hour, int minute,
                                     bool twelveHour) {
    DigitalMinuteFace face;
    hour = PositiveModulo(hour, 24);
    minute = PositiveModulo(minute, 60);
    if (twelveHour) {
        face.showAmPm = true;
        face.ampm = {hour / 12, layout.ampmLeft, layout.ampmTop};
        hour %= 12;
    }
    face.digits = PlaceHourMinuteDigits(layout, layout.digitLeft, layout.digitTop, hour, minute);
    return face;
}

std::array<GlyphPlacement, 2> PlaceSecondsDigits(const DigitalLayout& layout, int second) {
    second = PositiveModulo(second, 60);
    return {{{second / 10, layout.secondsLeft, layout.secondsTop},
             {second % 10, layout.secondsLeft + layout.smallDigitWidth, layout.secondsTop}}};
}

}  // namespace velmira
