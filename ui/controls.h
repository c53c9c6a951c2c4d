#pragma once

// The window's controls as data: one row per control, in twips (15 to a logical
// pixel), positions relative to the container. Form1 builds itself from this table.

#include <array>
#include <string_view>

enum class ControlKind { Frame, Label, Entry, Result, Button, Picture };

enum class FontKind {
    Song12,   // "宋体" 12 pt
    Song1425, // "宋体" 14.25 pt
    Default,  // the window's default font
};

struct ControlRow {
    std::string_view name; // control name, with its index for control arrays
    ControlKind kind;
    std::string_view container; // empty: the window's client area
    int left, top, width, height;
    std::string_view text; // caption, default text, or picture resource
    FontKind font = FontKind::Song12;
    int tabIndex = -1;           // -1: takes no place in the tab order
    std::string_view buddy = {}; // caption labels: the field they name
    std::string_view tooltip = {};
    std::string_view description = {}; // pictures: what they show, for screen readers
};

inline constexpr int twipsPerPixel = 15;

inline constexpr std::string_view windowCaption = "Tarnovel";
inline constexpr int clientWidth = 12510, clientHeight = 5790;
inline constexpr std::string_view backgroundPicture = ":/pictures/background.png";

using K = ControlKind;

// Containers come before what they hold.
// clang-format off
inline constexpr std::array<ControlRow, 48> controlTable{{
    {"Frame1", K::Frame, "", 360, 240, 5535, 5295, "烟气资料", FontKind::Song12, 0},
    {"Frame2", K::Frame, "", 6000, 240, 6015, 1935, "锅炉资料", FontKind::Song1425, 1},
    {"Frame3", K::Frame, "", 6000, 2280, 6015, 2055, "烟气酸露点温度", FontKind::Song12, 31},
    {"Command1", K::Button, "", 6120, 4440, 2775, 495, "计算", FontKind::Song12, 41},
    {"Command3", K::Button, "", 6120, 5160, 2775, 495, "退出", FontKind::Song12, 42},
    {"Image4", K::Picture, "", 9120, 4440, 2880, 1215, ":/pictures/decoration.png"},

    {"Label1", K::Label, "Frame1", 240, 480, 1695, 255, "全水分（Mt）", FontKind::Song12, -1, "Text1"},
    {"Text1", K::Entry, "Frame1", 3720, 480, 1095, 375, "18.4", FontKind::Song12, 10},
    {"Label9(0)", K::Label, "Frame1", 4920, 480, 255, 375, "%"},
    {"Label2", K::Label, "Frame1", 240, 1060, 2175, 255, "收到基灰分（Aar）", FontKind::Song12, -1, "Text2"},
    {"Text2", K::Entry, "Frame1", 3720, 1060, 1095, 375, "6.79", FontKind::Song12, 11},
    {"Label9(1)", K::Label, "Frame1", 4920, 1060, 255, 375, "%"},
    {"Label3", K::Label, "Frame1", 240, 1660, 1935, 255, "收到基碳（Car）", FontKind::Song12, -1, "Text3"},
    {"Text3", K::Entry, "Frame1", 3720, 1660, 1095, 375, "60.88", FontKind::Song12, 12},
    {"Label9(3)", K::Label, "Frame1", 4920, 1660, 255, 375, "%"},
    {"Label4", K::Label, "Frame1", 240, 2260, 1935, 255, "收到基氢（Har）", FontKind::Song12, -1, "Text4"},
    {"Text4", K::Entry, "Frame1", 3720, 2260, 1095, 375, "3.49", FontKind::Song12, 13},
    {"Label9(4)", K::Label, "Frame1", 4920, 2260, 255, 375, "%"},
    {"Label5", K::Label, "Frame1", 240, 2860, 1815, 255, "收到基氧（Oar）", FontKind::Song12, -1, "Text5"},
    {"Text5", K::Entry, "Frame1", 3720, 2860, 1095, 375, "9.46", FontKind::Song12, 14},
    {"Label9(5)", K::Label, "Frame1", 4920, 2860, 255, 375, "%"},
    {"Label6", K::Label, "Frame1", 240, 3460, 1935, 375, "收到基氮（Nar）", FontKind::Song12, -1, "Text6"},
    {"Text6", K::Entry, "Frame1", 3720, 3460, 1095, 375, "0.7", FontKind::Song12, 15},
    {"Label9(7)", K::Label, "Frame1", 4920, 3460, 255, 375, "%"},
    {"Label7", K::Label, "Frame1", 240, 4060, 2055, 255, "收到基硫（St,ar）", FontKind::Song12, -1, "Text7"},
    {"Text7", K::Entry, "Frame1", 3720, 4060, 1095, 375, "0.33", FontKind::Song12, 16},
    {"Label9(6)", K::Label, "Frame1", 4920, 4060, 255, 375, "%"},
    {"Label8", K::Label, "Frame1", 240, 4660, 3375, 255, "收到基低位发热量（Qet,ar）", FontKind::Song12, -1, "Text8"},
    {"Text8", K::Entry, "Frame1", 3720, 4660, 1095, 375, "23570.0", FontKind::Song12, 17},
    {"Label10", K::Label, "Frame1", 4920, 4680, 615, 375, "kJ/kg", FontKind::Default},

    {"Label11", K::Label, "Frame2", 120, 480, 3375, 495, "除尘器出口空气过量系数（α）", FontKind::Song12, -1, "Text9"},
    {"Text9", K::Entry, "Frame2", 4560, 360, 975, 375, "1.4", FontKind::Song12, 28},
    {"Label12", K::Label, "Frame2", 120, 960, 3135, 375, "SO2转化系数（Ks）", FontKind::Song12, -1, "Text10"},
    {"Text10", K::Entry, "Frame2", 4560, 840, 975, 375, "0.9", FontKind::Song12, 29},
    {"Label13", K::Label, "Frame2", 120, 1440, 2295, 375, "飞灰系数（Ka）", FontKind::Song12, -1, "Text11",
     "循环流化床飞灰系数一般0.6-0.8，一般取0.7"},
    {"Text11", K::Entry, "Frame2", 4560, 1320, 975, 375, "0.7", FontKind::Song12, 30},

    {"Label14", K::Label, "Frame3", 240, 360, 855, 375, "公式一", FontKind::Song12, -1, "Text12"},
    {"Text12", K::Result, "Frame3", 1440, 360, 975, 375, "", FontKind::Song12, 35},
    {"Label17(0)", K::Label, "Frame3", 2520, 360, 495, 375, "℃"},
    {"Image1", K::Picture, "Frame3", 3000, 360, 2880, 345, ":/pictures/formula1.png", FontKind::Song12, -1,
     {}, {}, "Δt = t_KOH + 201.5 ∛(s^n) / 1.25 α^y H^(A^n)"},
    {"Label15", K::Label, "Frame3", 240, 960, 855, 375, "公式二", FontKind::Song12, -1, "Text13"},
    {"Text13", K::Result, "Frame3", 1440, 960, 975, 375, "", FontKind::Song12, 36},
    {"Label17(1)", K::Label, "Frame3", 2520, 960, 495, 375, "℃"},
    {"Image2", K::Picture, "Frame3", 3000, 960, 2880, 375, ":/pictures/formula2.png", FontKind::Song12, -1,
     {}, {}, "Δt = t_KOH + 125 ∛(s^n) / 1.05 α^y H^(A^n)"},
    {"Label16", K::Label, "Frame3", 240, 1560, 735, 255, "公式三", FontKind::Song12, -1, "Text14"},
    {"Text14", K::Result, "Frame3", 1440, 1560, 975, 375, "", FontKind::Song12, 37},
    {"Label17(2)", K::Label, "Frame3", 2520, 1560, 495, 375, "℃"},
    {"Image3", K::Picture, "Frame3", 3000, 1560, 2880, 345, ":/pictures/formula3.png", FontKind::Song12, -1,
     {}, {}, "Δt = t_KOH + 201.5 ∛(s^n) / 1.23 α^y H^(A^n)"},
}};
// clang-format on
