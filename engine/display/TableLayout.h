// Where things stand on the table panel, in pixels of the 1030 x 750 window. The window lays
// its widgets out from these figures and the display operations move the markers by them,
// so the two always agree.
#pragma once

#include <array>

#include "primitives/Controls.h"
#include "primitives/Surface.h"
#include "rules/Table.h"

namespace zelvaro::layout {

struct Point {
    int x;
    int y;
};

inline constexpr int kWindowWidth = 1030;
inline constexpr int kWindowHeight = 750;

// A face-up card on the table and in the human's hand.
inline constexpr int kCardWidth = 72;
inline constexpr int kCardHeight = 100;
// The human's hand: 12 places overlapping from left to right.
inline constexpr Point kHumanHand{90, 640};
inline constexpr int kHumanHandStep = 54;
// Opponents' hands: small backs.
inline constexpr int kBackWidth = 36;
inline constexpr int kBackHeight = 50;
inline constexpr int kBackStep = 11;
// Prize cards.
inline constexpr int kPrizeWidth = 54;
inline constexpr int kPrizeHeight = 75;

// The table place of each seat (where its laid card shows), seat 0 to 5.
inline constexpr std::array<Point, 6> kTablePlace{
    {{376, 446}, {256, 396}, {256, 246}, {376, 196}, {496, 246}, {496, 396}}};
// Top-left corner of each opponent's panel (seats 1 to 5 at index 1..5; index 0 unused). The
// top seat stands right of the option pictures' captions.
inline constexpr std::array<Point, 6> kSeatPanel{
    {{0, 0}, {16, 392}, {16, 196}, {356, 62}, {596, 196}, {596, 392}}};
inline constexpr int kSeatPanelWidth = 228;
inline constexpr int kSeatPanelHeight = 72;
// The human's name plate above his hand.
inline constexpr Point kHumanPlate{8, 601};
inline constexpr int kHumanPlateWidth = 326;
inline constexpr int kHumanPlateHeight = 34;
// The light around the seat on turn stands this far outside its panel.
inline constexpr int kSeatLightMargin = 3;
// Where each seat's turn marker blinks: beside its name.
inline constexpr std::array<Point, 6> kTurnMarker{
    {{16, 612}, {82, 396}, {82, 200}, {422, 66}, {662, 200}, {662, 396}}};
inline constexpr int kTurnMarkerSize = 14;
// The winning-card marker frames a table place with this margin.
inline constexpr int kWinMarkerMargin = 5;
// The decision label ("Cambio") sits beside the seat's panel, clear of the table places.
inline constexpr int kDecisionLabelWidth = 96;
inline constexpr int kDecisionLabelHeight = 26;
inline constexpr std::array<Point, 6> kDecisionLabel{
    {{0, 0}, {148, 364}, {148, 168}, {592, 100}, {728, 168}, {728, 364}}};

// The standings sheet: where its twenty rows start and how tall each is.
inline constexpr int kStandingsRowsTop = 122;
inline constexpr int kStandingsRowHeight = 26;

// Table place control of each seat: seat 0 is the human's.
inline constexpr std::array<Control, 6> kTablePlaceControl{
    ctl::Picture14, ctl::Picture13, ctl::Picture12, ctl::Picture11, ctl::Picture10, ctl::Picture9};

inline constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Moves a control's top left corner to `p`.
inline void placeAt(Surface& surface, Control c, Point p) {
    surface.setLeft(c, twips(p.x));
    surface.setTop(c, twips(p.y));
}

// Frames hand place `slot` of the player's with the marker `shape`; hides it for -1.
inline void markHandPlace(Surface& surface, Control shape, int slot) {
    if (slot < 0) {
        surface.setVisible(shape, false);
        return;
    }
    placeAt(surface, shape, {kHumanHand.x + slot * kHumanHandStep - 3, kHumanHand.y - 3});
    surface.setVisible(shape, true);
}

// The hand place the marker `shape` frames, -1 while it is hidden.
inline int markedHandPlace(const Surface& surface, Control shape) {
    if (!surface.visible(shape)) return -1;
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (surface.left(shape) == twips(kHumanHand.x + slot * kHumanHandStep - 3)) return slot;
    }
    return -1;
}

}  // namespace zelvaro::layout
