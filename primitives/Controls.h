// The window's controls, addressed by the names the game gives them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvaro {

// One line a row of controls, as the window lays them out.
// clang-format off
// X(name, elements, visible at start). Elements 0 is a single control, n an array of n.
// Controls inside a panel are listed visible: the panel itself hides them.
#define ZELVARO_CONTROLS(X)                                                                   \
    /* window and main menu */                                                                \
    X(Form1, 0, 1)                                                                            \
    X(Label1, 0, 1) X(Label2, 0, 1) X(Label35, 0, 1) X(Label10, 0, 1) X(Label15, 0, 1)        \
    X(Label20, 0, 1) X(Label3, 0, 1) X(Label39, 0, 0) X(Label76, 0, 0) X(Label77, 0, 0)       \
    /* options panel */                                                                       \
    X(Frame1, 0, 0) X(Label11, 0, 1) X(Combo1, 0, 1) X(Check1, 0, 1) X(Check2, 0, 1)          \
    X(Combo2, 0, 1) X(Combo3, 0, 1) X(Combo8, 0, 1) X(Label12, 0, 1) X(Label13, 0, 1)         \
    /* rules panel */                                                                         \
    X(Frame2, 0, 0) X(Label16, 0, 1) X(Label17, 0, 1)                                         \
    /* profile panel */                                                                       \
    X(Frame3, 0, 0) X(Combo4, 0, 1) X(Label22, 0, 1) X(Label24, 0, 1) X(Image2, 0, 0)         \
    X(Label27, 0, 1) X(Label21, 0, 1) X(Label9, 0, 1) X(Label25, 0, 1) X(Label23, 0, 1)       \
    X(Frame4, 0, 1) X(Text1, 0, 1) X(Text2, 0, 1) X(Combo5, 0, 1) X(Combo6, 0, 1)             \
    X(Label26, 0, 1)                                                                          \
    /* tournament rules and wait panels */                                                    \
    X(Frame5, 0, 0) X(Label38, 0, 1) X(Label36, 0, 1) X(Label37, 0, 1) X(Frame6, 0, 0)        \
    /* table panel: seats and hands */                                                        \
    X(Picture1, 0, 0) X(Label4, 0, 1) X(Image3, 0, 1) X(Label28, 0, 1)                        \
    X(Label6, 5, 1) X(Image1, 5, 1) X(Label5, 5, 1) X(Label8, 5, 1)                           \
    X(Picture22, 0, 1) X(Picture23, 0, 1) X(Picture24, 0, 1) X(Picture25, 0, 1)               \
    X(Picture26, 0, 1)                                                                        \
    X(Picture2, 12, 0) X(Picture4, 12, 0) X(Picture3, 12, 0) X(Picture8, 12, 0)               \
    X(Picture7, 12, 0) X(Picture5, 12, 0)                                                     \
    /* table panel: the trick, markers, prize, pot */                                         \
    X(Picture14, 0, 0) X(Picture13, 0, 0) X(Picture12, 0, 0) X(Picture11, 0, 0)               \
    X(Picture10, 0, 0) X(Picture9, 0, 0)                                                      \
    X(Shape5, 0, 0) X(Shape6, 0, 0) X(Shape3, 0, 0) X(Shape4, 0, 0)                           \
    X(Picture16, 0, 1) X(Picture17, 0, 1) X(Label34, 0, 1) X(Label29, 0, 0)                   \
    X(Command1, 0, 0) X(Command2, 0, 0)                                                       \
    /* table panel: ranking, options strip, header, switches */                               \
    X(Label30, 0, 1) X(Label31, 0, 1) X(Label32, 0, 1) X(Image4, 6, 1)                        \
    X(Picture15, 0, 1) X(Picture18, 0, 1) X(Picture19, 0, 1) X(Picture20, 0, 1)               \
    X(Picture21, 0, 1) X(Label19, 0, 0) X(Label47, 0, 1) X(Label48, 0, 1)                     \
    X(Label33, 0, 1) X(Label18, 0, 1) X(Label52, 0, 0)                                        \
    /* table panel: tournament lists */                                                       \
    X(Label40, 0, 0) X(Label41, 0, 0) X(Label42, 0, 0) X(Label43, 0, 0) X(Label44, 0, 0)      \
    X(Label45, 0, 0) X(Combo7, 0, 0) X(Image5, 6, 0) X(Image6, 6, 0)                          \
    /* standings screen */                                                                    \
    X(Picture27, 0, 0) X(Label49, 0, 1) X(Label50, 0, 1) X(Image7, 20, 0) X(Label51, 7, 1)    \
    X(Label54, 0, 1) X(Label55, 0, 1) X(Label56, 0, 1) X(Command3, 0, 1) X(Command4, 0, 1)    \
    X(Label53, 0, 1) X(Command7, 0, 1) X(Command8, 0, 1)                                      \
    /* the game's own additions: the last trick, the hints, the turn, fast-forward, where */ \
    /* the player stands in a tournament, how a hand ended, how the player went on */         \
    X(Label57, 0, 0) X(Picture28, 6, 1) X(Label58, 6, 1) X(Label59, 0, 0) X(Label60, 0, 0)    \
    X(Label61, 0, 0) X(Label62, 0, 0) X(Shape7, 0, 0) X(Shape8, 0, 0) X(Command5, 0, 0)       \
    X(Command6, 0, 0) X(Label63, 0, 0) X(Label64, 0, 0) X(Label78, 0, 1)                      \
    /* statistics panel: the menu entry, the profile panel's button, the final place line, */ \
    /* the panel with its profile, summary, tables, best places, chart and buttons */         \
    X(Label65, 0, 1) X(Label66, 0, 1) X(Label67, 0, 0) X(Frame7, 0, 0) X(Label68, 0, 1)       \
    X(Label69, 0, 1) X(Label70, 0, 1) X(Label71, 0, 1) X(Label72, 0, 1) X(Label73, 0, 1)      \
    X(Picture29, 0, 1) X(Label74, 0, 1) X(Label75, 0, 1) X(Command9, 0, 1) X(Command10, 0, 1) \
    /* timers */                                                                              \
    X(Timer1, 0, 0) X(Timer2, 0, 0) X(Timer3, 0, 0)                                           \
    /* added since: at the end, so that an earlier window's controls are the head of the */   \
    /* list. The options panel's "Avversari"; the expert's suggestion on the table, its */    \
    /* button and the marks on the player's cards */                                          \
    X(Combo9, 0, 1) X(Command11, 0, 0) X(Shape9, 2, 0)

// clang-format on

enum class ControlId : std::uint16_t {
#define ZELVARO_ENUM(name, elements, visible) name,
    ZELVARO_CONTROLS(ZELVARO_ENUM)
#undef ZELVARO_ENUM
        Count
};

inline constexpr int kControlIdCount = static_cast<int>(ControlId::Count);

// One control, or one element of a control array.
struct Control {
    ControlId id;
    int index = -1;  // -1 for a single control
    bool operator==(const Control&) const = default;
};

// A control array such as Picture2(0..11).
template <int N>
struct ControlArray {
    ControlId id;
    constexpr Control operator[](int i) const { return Control{id, i}; }
    static constexpr int size() { return N; }
};

struct ControlInfo {
    std::string_view name;
    int elements;  // 0 for a single control
    bool visibleAtStart;
};

namespace detail {
inline constexpr std::array<ControlInfo, kControlIdCount> kControlInfo{{
#define ZELVARO_INFO(name, elements, visible) {#name, elements, visible != 0},
    ZELVARO_CONTROLS(ZELVARO_INFO)
#undef ZELVARO_INFO
}};

// Where each control's slots start among all addressable ones, and how many elements an
// array has (0 for a single control), side by side so one lookup finds both.
struct SlotRange {
    std::int16_t first;
    std::int16_t elements;
};
constexpr std::array<SlotRange, kControlIdCount + 1> makeSlotRanges() {
    std::array<SlotRange, kControlIdCount + 1> ranges{};
    for (int i = 0; i < kControlIdCount; ++i) {
        const int elements = kControlInfo[i].elements;
        ranges[i].elements = static_cast<std::int16_t>(elements);
        ranges[i + 1].first =
            static_cast<std::int16_t>(ranges[i].first + (elements == 0 ? 1 : elements));
    }
    return ranges;
}
inline constexpr auto kSlotRanges = makeSlotRanges();
}  // namespace detail

constexpr const ControlInfo& controlInfo(ControlId id) {
    return detail::kControlInfo[static_cast<int>(id)];
}
// "Label48" for a single control, "Picture2(3)" for an array element: the widget's objectName.
std::string objectName(Control c);
// Number of addressable controls, array elements counted one by one.
constexpr int controlSlotCount() {
    return detail::kSlotRanges[kControlIdCount].first;
}
// Hands every addressable control, each array element on its own, with its description to
// `visit(Control, const ControlInfo&)`.
template <typename Visit>
void forEachControl(Visit&& visit) {
    for (int id = 0; id < kControlIdCount; ++id) {
        const auto cid = static_cast<ControlId>(id);
        const ControlInfo& info = controlInfo(cid);
        if (info.elements == 0) {
            visit(Control{cid, -1}, info);
            continue;
        }
        for (int i = 0; i < info.elements; ++i) visit(Control{cid, i}, info);
    }
}
// Dense position of a control among all addressable ones (0 .. controlSlotCount()-1), or -1
// when the window has no such control: a single control has index -1, an array element an
// index inside the array.
constexpr int controlSlot(Control c) {
    const detail::SlotRange range = detail::kSlotRanges[static_cast<int>(c.id)];
    if (range.elements == 0) return c.index == -1 ? range.first : -1;
    return static_cast<unsigned>(c.index) < static_cast<unsigned>(range.elements)
               ? range.first + c.index
               : -1;
}

namespace ctl {
template <int N>
struct ArrayOf {
    using type = ControlArray<N>;
};
template <>
struct ArrayOf<0> {
    using type = Control;
};
#define ZELVARO_CONSTANT(name, elements, visible) \
    inline constexpr ArrayOf<elements>::type name{ControlId::name};
ZELVARO_CONTROLS(ZELVARO_CONSTANT)
#undef ZELVARO_CONSTANT
}  // namespace ctl

// The timers' intervals before the game first sets them, in milliseconds.
inline constexpr int timerStartInterval(ControlId timer) {
    return timer == ControlId::Timer1 ? 100 : timer == ControlId::Timer2 ? 500 : 2000;
}

// The controls the game adds to the window, by what they are; their window names stay.
namespace ctl {
// The last trick: its title, each seat's card and name, seat by seat from the player's, the
// winner's name lit.
inline constexpr auto LastTrickTitle = Label57;
inline constexpr auto LastTrickCards = Picture28;
inline constexpr auto LastTrickNames = Label58;
// Why a click did nothing: on the table, and on the profile panel.
inline constexpr auto TableHint = Label59;
inline constexpr auto ProfileHint = Label60;
// What the player is to do when the turn is his, and the light on the seat on turn.
inline constexpr auto TurnPrompt = Label61;
inline constexpr auto TurnLight = Shape7;
// Where the player stands in a tournament, and his row lit on the standings screen.
inline constexpr auto TournamentPlace = Label62;
inline constexpr auto PlayersStandingsRow = Shape8;
// "Avanti veloce" on the table and on the tournament's wait panel.
inline constexpr auto TableFastForward = Command5;
inline constexpr auto WaitFastForward = Command6;
// How a hand ended, how the player went on to a new round, and who of his table goes on.
inline constexpr auto HandResultLine = Label63;
inline constexpr auto RoundLine = Label64;
inline constexpr auto TableOutcomeLine = Label78;
// The standings screen's first and last page, beside "<<" and ">>".
inline constexpr auto FirstStandingsPage = Command7;
inline constexpr auto LastStandingsPage = Command8;
// "Statistiche" on the menu and on the profile panel; the place against the best under the
// final standings.
inline constexpr auto MenuStatistics = Label65;
inline constexpr auto ProfileStatisticsButton = Label66;
inline constexpr auto BestPlaceLine = Label67;
// The statistics panel: its profile with the one before and after, the summary, the tables by
// game type and of the tournaments, the best places, the chart of the last places under its
// title, "Azzera" and "Indietro".
inline constexpr auto StatisticsFrame = Frame7;
inline constexpr auto StatisticsProfile = Label68;
inline constexpr auto PreviousProfile = Command9;
inline constexpr auto NextProfile = Command10;
inline constexpr auto StatisticsSummary = Label69;
inline constexpr auto GameTypesTable = Label70;
inline constexpr auto TournamentsTable = Label71;
inline constexpr auto BestPlaces = Label72;
inline constexpr auto PlaceChartTitle = Label73;
inline constexpr auto PlaceChart = Picture29;
inline constexpr auto ResetStatistics = Label74;
inline constexpr auto CloseStatistics = Label75;
// "Avversari" on the options panel: the computer seats' level, "Classici" or "Esperti".
inline constexpr auto OpponentsList = Combo9;
// "Suggerimento" on the table, and the marks on the cards the expert would lay or give.
inline constexpr auto SuggestionButton = Command11;
inline constexpr auto SuggestionMarks = Shape9;
// "Continua" on the menu while a game is saved, and what it would continue.
inline constexpr auto ContinueEntry = Label76;
inline constexpr auto ContinueDescription = Label77;
}  // namespace ctl

// The main menu's six entries.
inline constexpr std::array<Control, 6> kMenuLabels{ctl::Label2,  ctl::Label3,  ctl::Label10,
                                                    ctl::Label20, ctl::Label15, ctl::Label35};

}  // namespace zelvaro
