// The main window as designed: every control with its kind, place, size and text at start.
// Radio buttons are placed in their group box's pixels, everything else in the window's (the two
// buttons over "操作功能区" are the window's own, drawn over the box).
#pragma once

#include <array>

namespace xq {

enum class ControlKind { SpriteBoard, Label, EditBox, GroupBox, RadioButton, Button, CheckBox };

enum ControlFlags : unsigned { Plain = 0, Checked = 1, Disabled = 2, Hidden = 4 };

struct ControlDesign {
    ControlKind kind;
    const char* name;    // also the control's objectName
    const char* parent;  // group box name, or nullptr for the window itself
    int x, y, width, height;
    const char* text;
    unsigned flags;
};

inline constexpr const char* MainWindowCaption = "Tobrin中国象棋SP1 Quillmoor Fenwick";
inline constexpr int MainWindowLeft = 50, MainWindowTop = 50;
inline constexpr int MainWindowWidth = 977, MainWindowHeight = 701;

using K = ControlKind;
// In creation order: a later control is drawn over an earlier one, so the thinking label sits
// over the board.
inline constexpr std::array<ControlDesign, 38> mainWindowDesign{{
    {K::SpriteBoard, "棋盘", nullptr, 128, 48, 521, 577, "", Plain},
    {K::Label, "上位标签", nullptr, 150, 16, 496, 32,
     " 1      2      3      4       5      6      7      8      9", Plain},
    {K::Label, "下位标签", nullptr, 152, 632, 488, 32,
     "九     八     七     六      五     四     三     二     一", Plain},
    {K::Label, "标签1", nullptr, 8, 112, 112, 24, "红旗玩家", Plain},
    {K::Label, "上步时标签", nullptr, 8, 144, 112, 24, "步时:[00:00]", Plain},
    {K::Label, "上总时标签", nullptr, 8, 168, 112, 24, "总时:[00:00]", Plain},
    {K::Label, "标签4", nullptr, 8, 248, 112, 24, "↓AI计算↓", Plain},
    {K::Label, "标签5", nullptr, 8, 272, 112, 24, "深度 评分 耗时", Plain},
    {K::EditBox, "思考展示框", nullptr, 8, 296, 112, 128, "", Disabled},
    {K::Label, "标签2", nullptr, 8, 480, 112, 24, "黑旗玩家", Plain},
    {K::Label, "下步时标签", nullptr, 8, 512, 112, 24, "步时:[00:00]", Plain},
    {K::Label, "下总时标签", nullptr, 8, 536, 112, 24, "总时:[00:00]", Plain},
    {K::Label, "电脑思考标签", nullptr, 192, 320, 400, 32, "电脑思考中,请耐心等待...", Hidden},
    {K::Label, "标签6", nullptr, 696, 8, 152, 24, "新对局设置", Plain},
    {K::GroupBox, "分组框2", nullptr, 664, 40, 104, 120, "谁先走", Plain},
    {K::RadioButton, "我先走", "分组框2", 15, 18, 73, 24, "我先走", Checked},
    {K::RadioButton, "电脑先走", "分组框2", 15, 41, 73, 24, "电脑先走", Plain},
    {K::RadioButton, "不用电脑", "分组框2", 15, 65, 73, 24, "不用电脑", Plain},
    {K::RadioButton, "电脑对局", "分组框2", 15, 90, 73, 24, "电脑对局", Plain},
    {K::GroupBox, "分组框1", nullptr, 776, 40, 91, 120, "先走让子", Plain},
    {K::RadioButton, "不让子", "分组框1", 15, 29, 64, 24, "不让子", Checked},
    {K::RadioButton, "让单马", "分组框1", 15, 53, 64, 24, "让单马", Plain},
    {K::RadioButton, "让双马", "分组框1", 15, 77, 64, 24, "让双马", Plain},
    {K::Button, "新建对局", nullptr, 880, 64, 80, 32, "新建对局", Plain},
    {K::Button, "翻转按钮", nullptr, 880, 104, 80, 32, "翻转棋盘", Plain},
    {K::Label, "标签3", nullptr, 664, 176, 152, 24, "======打谱======", Plain},
    {K::EditBox, "打谱框", nullptr, 664, 208, 152, 280, "==开始==", Plain},
    {K::Label, "级别显示", nullptr, 824, 192, 136, 24, "当前级别:", Plain},
    {K::GroupBox, "分组框3", nullptr, 848, 224, 80, 136, "AI级别", Plain},
    {K::RadioButton, "黄金", "分组框3", 13, 24, 50, 24, "黄金", Checked},
    {K::RadioButton, "钻石", "分组框3", 13, 48, 50, 24, "钻石", Plain},
    {K::RadioButton, "大师", "分组框3", 13, 71, 50, 24, "大师", Plain},
    {K::RadioButton, "王者", "分组框3", 13, 95, 50, 24, "王者", Plain},
    {K::CheckBox, "电脑执黑", nullptr, 840, 376, 104, 32, "[AI执黑]", Disabled},
    {K::CheckBox, "电脑执红", nullptr, 840, 424, 104, 32, "[AI执红]", Disabled},
    {K::GroupBox, "分组框4", nullptr, 664, 504, 296, 160, "操作功能区", Plain},
    {K::Button, "悔棋", nullptr, 680, 528, 80, 32, "悔棋", Plain},
    {K::Button, "重开", nullptr, 776, 528, 80, 32, "重开", Plain},
}};

// The window timers of the four clocks, stopped until a game starts.
inline constexpr std::array<const char*, 4> clockTimerNames = {"上方时钟", "上方时钟1", "下方时钟",
                                                               "下方时钟1"};

}  // namespace xq
