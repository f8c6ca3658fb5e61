#pragma once
// Plain value types shared by every subsystem. Portable: no Windows headers.

#include <cstdint>

namespace velmira {

// The broken-down local time, field for field as GetLocalTime fills it.
struct LocalTime {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t dayOfWeek = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0;
};

// 0x00BBGGRR, red in the low byte, like a Win32 COLORREF.
using Colour = uint32_t;

// The hands' colours: the skin brings them, the dial draws with them.
struct HandColours {
    Colour secHandColor = 0;   // the second hand and its disc
    Colour handFillColor = 0;  // the hour and minute hands' fill
    Colour handEdgeColor = 0;  // their outline
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// A monitor's rectangle and its work area (without the taskbar), in screen
// coordinates.
struct MonitorAreas {
    Rect bounds;
    Rect workArea;
};

}  // namespace velmira
