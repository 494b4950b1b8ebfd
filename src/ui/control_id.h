// The controls of the main window by their template names. The value of each
// is its row in the window template and also its window ID (GetDlgItem).
#pragma once

enum class ControlId : int {
  None = 0,
  按钮字体 = 1,
  编辑框5 = 2,
  标签8 = 3,
  编辑框3 = 4,
  标签7 = 5,
  按钮生成 = 6,
  编辑框4 = 7,
  编辑框2 = 8,
  编辑框1 = 9,
  标签5 = 10,
  标签4 = 11,
  标签3 = 12,
  标签2 = 13,
  组合框证件类型 = 14,
  分组框1 = 15,
  透明标签2 = 16,
  透明标签1 = 17,
  标签13 = 18,
  标签12 = 19,
  标签11 = 20,
  标签10 = 21,
  通用对话框 = 22,
  图片框1 = 23,
  标签生成 = 24,
};

inline constexpr int kControlCount = 24;

constexpr int rowOf(ControlId id) { return static_cast<int>(id); }
