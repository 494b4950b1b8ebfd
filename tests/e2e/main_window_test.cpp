// The main window as a user meets it: place, size, start-up state, keyboard
// handling, closing, stacking and the start-up error.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <winternl.h>

#include "support/app_session.h"

using namespace e2e;

namespace {

enum Row : int {
  按钮字体 = 1, 编辑框5 = 2, 编辑框3 = 4, 按钮生成 = 6, 编辑框4 = 7, 编辑框2 = 8, 编辑框1 = 9,
  组合框证件类型 = 14, 分组框1 = 15, 透明标签2 = 16, 透明标签1 = 17, 标签13 = 18, 标签12 = 19,
  标签11 = 20, 标签10 = 21, 通用对话框 = 22, 图片框1 = 23, 标签生成 = 24,
};

std::string narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app.started()) << "the program did not open its window"; }
  AppSession app;
};

TEST_F(MainWindowTest, OpensCentredAtItsFixedSizeAndCannotBeResized) {
  const RECT r = windowRect(app.main());
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(r.left, (cx - 534) / 2);
  EXPECT_EQ(r.top, (cy - 544) / 2);
  EXPECT_EQ(r.right - r.left, 534);
  EXPECT_EQ(r.bottom - r.top, 544);
  if (cx == 1024 && cy == 768) {
    EXPECT_EQ(r.left, 245);
    EXPECT_EQ(r.top, 112);
    EXPECT_EQ(r.right, 779);
    EXPECT_EQ(r.bottom, 656);
  }
  const LONG style = GetWindowLongW(app.main(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);

  // A double click on the title bar does not maximise it.
  doubleClickAt({r.left + 200, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
  app.settle(std::chrono::milliseconds(200));
  const RECT after = windowRect(app.main());
  EXPECT_FALSE(IsZoomed(app.main()));
  EXPECT_EQ(after.right - after.left, 534);
  EXPECT_EQ(after.bottom - after.top, 544);
}

TEST_F(MainWindowTest, MinimiseRestoreAndMoveKeepItRunning) {
  ShowWindowAsync(app.main(), SW_MINIMIZE);
  ASSERT_TRUE(waitUntil([&] { return IsIconic(app.main()) != 0; }));
  ShowWindowAsync(app.main(), SW_RESTORE);
  ASSERT_TRUE(waitUntil([&] { return !IsIconic(app.main()); }));
  SetWindowPos(app.main(), nullptr, 100, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_ASYNCWINDOWPOS);
  ASSERT_TRUE(waitUntil([&] { return windowRect(app.main()).left == 100; }));
  app.settle();
  EXPECT_TRUE(app.running());
  const RECT r = windowRect(app.main());
  EXPECT_EQ(r.right - r.left, 534);
}

TEST_F(MainWindowTest, StartsWithTheLayoutsTextsAndTheFocusInTheKindList) {
  const std::array<std::pair<int, std::wstring>, 5> edits{{
      {编辑框1, L""}, {编辑框2, L"男"}, {编辑框3, L""}, {编辑框4, L"未知"}, {编辑框5, L""}}};
  for (const auto& [row, text] : edits) {
    HWND w = app.control(row);
    ASSERT_TRUE(w) << row;
    EXPECT_EQ(className(w), L"Edit") << row;
    EXPECT_EQ(windowText(w), text) << row;
  }
  HWND combo = app.control(组合框证件类型);
  EXPECT_EQ(windowText(combo), L"光棍证");
  EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(app.focus(), combo);
  EXPECT_EQ(windowText(app.control(按钮字体)), L"字体");
  EXPECT_EQ(windowText(app.control(按钮生成)), L"生成");
  EXPECT_EQ(windowText(app.control(分组框1)), L"办证区");
}

TEST_F(MainWindowTest, KindListHoldsTheSixteenKindsInOrderWithTallerItems) {
  const std::array<std::wstring, 16> kinds{L"光棍证", L"聊天许可证", L"爱神证", L"超级美眉证",
                                           L"初吻证", L"赌神证", L"超级帅哥证", L"处男证",
                                           L"色狼证", L"网恋许可证", L"良家妇女证", L"灌水证",
                                           L"潜水证", L"忽悠证", L"良好市民证", L"浆糊证"};
  HWND combo = app.control(组合框证件类型);
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 16);
  for (int i = 0; i < 16; ++i) {
    wchar_t item[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), kinds[i]) << i;
  }
  EXPECT_TRUE(GetWindowLongW(combo, GWL_STYLE) & CBS_DROPDOWNLIST);

  // The platform's own item height for the same font, from a combo box of our own.
  HWND reference = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 112, 160, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(reference, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  const LRESULT platformHeight = SendMessageW(reference, CB_GETITEMHEIGHT, 0, 0);
  DestroyWindow(reference);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), platformHeight + 2);

  // Typing does not change a drop-down list's text into something else.
  app.activate();
  typeText(L"xyz");
  app.settle();
  EXPECT_NE(windowText(combo), L"xyz");
}

TEST_F(MainWindowTest, TabVisitsTheControlsInOrderAndWrapsShiftTabReverses) {
  const std::array<int, 9> order{组合框证件类型, 编辑框1, 编辑框2, 编辑框4, 按钮生成,
                                 编辑框3,       编辑框5, 按钮字体, 组合框证件类型};
  app.activate();
  ASSERT_TRUE(waitUntil([&] { return app.focus() == app.control(order[0]); }, std::chrono::seconds(3)));
  for (size_t i = 1; i < order.size(); ++i) {
    pressKey(VK_TAB);
    EXPECT_TRUE(waitUntil([&] { return app.focus() == app.control(order[i]); }, std::chrono::seconds(3)))
        << "after Tab " << i;
  }
  for (size_t i = order.size() - 1; i-- > 0;) {
    pressChord({VK_SHIFT, VK_TAB});
    EXPECT_TRUE(waitUntil([&] { return app.focus() == app.control(order[i]); }, std::chrono::seconds(3)))
        << "after Shift+Tab back to " << i;
  }
}

TEST_F(MainWindowTest, EnterNeitherMovesTheFocusNorClicksAButton) {
  app.activate();
  for (int row : {编辑框1, 按钮生成, 按钮字体}) {
    SetForegroundWindow(app.main());
    // Reach the control with Tab, as a user would.
    for (int i = 0; i < 9 && app.focus() != app.control(row); ++i) {
      HWND before = app.focus();
      pressKey(VK_TAB);
      waitUntil([&] { return app.focus() != before; }, std::chrono::seconds(3));
    }
    ASSERT_EQ(app.focus(), app.control(row));
    pressKey(VK_RETURN);
    app.settle(std::chrono::milliseconds(300));
    EXPECT_EQ(app.focus(), app.control(row));
    HWND fg = GetForegroundWindow();
    DWORD fgPid = 0;
    GetWindowThreadProcessId(fg, &fgPid);
    EXPECT_EQ(fg, app.main()) << "after Enter on row " << row << " the foreground is a " << narrow(className(fg))
                              << " of process " << fgPid << " (program " << app.pid() << ")";
    EXPECT_TRUE(IsWindowEnabled(app.main()));
  }
}

TEST_F(MainWindowTest, ChildrenAreStackedInTemplateOrder) {
  const std::array<int, 10> mainChildren{分组框1, 透明标签2, 透明标签1, 标签13, 标签12,
                                         标签11, 标签10,   通用对话框, 图片框1, 标签生成};
  std::vector<int> seen;
  for (HWND w = GetWindow(app.main(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) seen.push_back(GetDlgCtrlID(w));
  EXPECT_EQ(seen, std::vector<int>(mainChildren.begin(), mainChildren.end()));

  std::vector<int> inGroup;
  for (HWND w = GetWindow(app.control(分组框1), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    inGroup.push_back(GetDlgCtrlID(w));
  std::vector<int> expected;
  for (int row = 1; row <= 14; ++row) expected.push_back(row);
  EXPECT_EQ(inGroup, expected);

  EXPECT_FALSE(IsWindowVisible(app.control(通用对话框)));
  EXPECT_TRUE(GetWindowLongW(app.control(透明标签1), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  EXPECT_TRUE(GetWindowLongW(app.control(标签生成), GWL_STYLE) & WS_BORDER);
}

// Reads another process's current directory from its process parameters.
std::wstring currentDirectoryOf(HANDLE process) {
  using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<Query>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess"));
  PROCESS_BASIC_INFORMATION info{};
  if (!query || query(process, ProcessBasicInformation, &info, sizeof(info), nullptr) != 0) return {};
  PEB peb{};
  if (!ReadProcessMemory(process, info.PebBaseAddress, &peb, sizeof(peb), nullptr)) return {};
  // CurrentDirectory.DosPath follows the fields that winternl.h declares as Reserved.
  struct Parameters {
    ULONG maximumLength, length, flags, debugFlags;
    HANDLE consoleHandle;
    ULONG consoleFlags;
    HANDLE stdIn, stdOut, stdErr;
    UNICODE_STRING currentDirectory;
  } params{};
  if (!ReadProcessMemory(process, peb.ProcessParameters, &params, sizeof(params), nullptr)) return {};
  std::wstring dir(params.currentDirectory.Length / sizeof(wchar_t), L'\0');
  ReadProcessMemory(process, params.currentDirectory.Buffer, dir.data(), params.currentDirectory.Length, nullptr);
  return dir;
}

TEST(MainWindowStart, CurrentDirectoryBecomesTheProgramsFolder) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  AppSession app(builtProgram(L"src\\jokecert.exe"), temp);
  ASSERT_TRUE(app.started());
  std::wstring dir = currentDirectoryOf(app.process());
  while (!dir.empty() && dir.back() == L'\\') dir.pop_back();
  EXPECT_EQ(_wcsicmp(dir.c_str(), (buildFolder() + L"\\src").c_str()), 0) << std::string(dir.begin(), dir.end());
}

struct CloseCase {
  const char* name;
  void (*close)(AppSession&);
};

const CloseCase kCloseCases[] = {
    {"Esc", [](AppSession& a) { pressKey(VK_ESCAPE); }},
    {"EscInAnEditBox",
     [](AppSession& a) {
       pressKey(VK_TAB);
       ASSERT_TRUE(waitUntil([&] { return a.focus() == a.control(编辑框1); }, std::chrono::seconds(3)));
       pressKey(VK_ESCAPE);
     }},
    {"EscWithTheListOpen",
     [](AppSession& a) {
       pressChord({VK_MENU, VK_DOWN});
       ASSERT_TRUE(waitUntil(
           [&] { return SendMessageW(a.control(组合框证件类型), CB_GETDROPPEDSTATE, 0, 0) != 0; }));
       pressKey(VK_ESCAPE);
     }},
    {"AltF4", [](AppSession& a) { pressChord({VK_MENU, VK_F4}); }},
    {"CloseButton",
     [](AppSession& a) {
       // Find the close button the way the window itself answers hit tests.
       const RECT r = windowRect(a.main());
       const int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
       for (int x = r.right - 1; x > r.right - 80; --x) {
         if (SendMessageW(a.main(), WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
           clickAt({x - 6, y});
           return;
         }
       }
       ADD_FAILURE() << "no close button found on the title bar";
     }},
};

class CloseTest : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, EndsTheProcessWithExitCodeZero) {
  AppSession app;
  ASSERT_TRUE(app.started());
  app.activate();
  GetParam().close(app);
  EXPECT_EQ(app.waitForExit(std::chrono::seconds(10)), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseTest, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST(MainWindowStart, AWindowThatCannotBeBuiltShowsTheErrorBoxAndExitsWithMinusOne) {
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  std::wstring program = builtProgram(L"src\\jokecert_failing_start.exe");
  std::wstring commandLine = L"\"" + program + L"\"";
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi));
  HWND box = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (box = findTopLevel(pi.dwProcessId, L"错误", L"#32770")) != nullptr; }));
  EXPECT_EQ(windowText(box), L"错误");
  // The box may be visible a moment before its text is in place.
  std::wstring text;
  waitUntil([&] {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (_wcsicmp(className(c).c_str(), L"Static") == 0 && !windowText(c).empty()) text = windowText(c);
    return !text.empty();
  }, std::chrono::seconds(3));
  EXPECT_EQ(text, L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_FALSE(findTopLevel(pi.dwProcessId, kTitle)) << "the main window must not be shown";

  SetForegroundWindow(box);
  waitUntil([&] { return GetForegroundWindow() == box; }, std::chrono::seconds(2));
  pressKey(VK_RETURN);
  ASSERT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0xFFFFFFFFu);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace

namespace {

// The suite runs once per locale; make sure each run really is under its own
// code page, so that the Chinese texts above are checked under both.
TEST(Locale, TheRunsCodePageFollowsItsLocale) {
  wchar_t lang[64] = {};
  GetEnvironmentVariableW(L"LANG", lang, 64);
  const std::wstring l(lang);
  if (l.rfind(L"zh_CN", 0) == 0) {
    EXPECT_EQ(GetACP(), 936u);
  } else if (l.rfind(L"en_US", 0) == 0) {
    EXPECT_EQ(GetACP(), 1252u);
  } else {
    GTEST_SKIP() << "no locale given";
  }
}

}  // namespace
