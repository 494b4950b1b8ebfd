// A soak under random use: starts the real program and drives it with real
// input (typing, pasting, kind and font changes, photos from a corpus of
// good and broken files, saves to good and bad places, minimise, moving the
// window). After every action it checks that the process lives, that its
// handle counts stay bounded and that every save either left a complete
// certificate or kept the old file and said so.
// Usage: soak.exe [--actions N] [--seed S] [--verbose]
#include <windows.h>
// after windows.h, which they need
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "common/real_input.h"
#include "control_focus.h"
#include "soak_corpus.h"
#include "support/app_session.h"
#include "wine/output_dialog_driver.h"
#include "wine/output_test_files.h"

using namespace e2e;
namespace dd = dialog_driver;

namespace {

constexpr int kFontButton = 1, kGenerateButton = 6, kKindCombo = 14, kPhotoBox = 23;
constexpr int kKinds = 16;
constexpr std::size_t kCertificateBytes = 513990;
// Growth over the counts after start-up that no steady use can explain.
constexpr DWORD kHandleSlack = 200, kGdiSlack = 300, kUserSlack = 100, kWindowSlack = 40;
constexpr SIZE_T kPrivateSlack = 128u << 20;
constexpr int kMissesAllowed = 3;

struct Mirror {
  int edit;
  std::vector<int> labels;
};
// Each edit box and the overlay labels that show its text.
const Mirror kMirrors[] = {{9, {21, 18}}, {8, {20}}, {4, {17}}, {7, {19}}, {2, {16}}};

struct Counts {
  DWORD handles = 0, gdi = 0, user = 0, windows = 0;
  SIZE_T privateBytes = 0;
};

DWORD windowsOf(DWORD thread) {
  DWORD count = 0;
  EnumThreadWindows(thread, [](HWND w, LPARAM lp) -> BOOL {
    ++*reinterpret_cast<DWORD*>(lp);
    EnumChildWindows(w, [](HWND, LPARAM inner) -> BOOL { return ++*reinterpret_cast<DWORD*>(inner), TRUE; }, lp);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Under Wine the handle and GUI object counts come back 0 and PrivateUsage
// too; PagefileUsage is the same commit charge and Wine fills it.
Counts countsOf(HANDLE process, DWORD thread) {
  Counts c;
  GetProcessHandleCount(process, &c.handles);
  c.gdi = GetGuiResources(process, GR_GDIOBJECTS);
  c.user = GetGuiResources(process, GR_USEROBJECTS);
  c.windows = windowsOf(thread);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
    c.privateBytes = std::max(memory.PrivateUsage, memory.PagefileUsage);
  return c;
}

std::wstring fullText(HWND w) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &length)) return L"(no answer)";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 3000, &got);
  text.resize(got);
  return text;
}

uint32_t field(const std::vector<uint8_t>& file, size_t offset, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | file.at(offset + i);
  return value;
}

bool isCertificate(const std::vector<uint8_t>& file) {
  if (file.size() != kCertificateBytes) return false;
  struct Field {
    size_t offset;
    int bytes;
    uint32_t value;
  };
  const Field header[] = {{0, 2, 0x4D42}, {2, 4, kCertificateBytes}, {10, 4, 54}, {14, 4, 40}, {18, 4, 515},
                          {22, 4, 332},   {26, 2, 1},                {28, 2, 24}, {30, 4, 0},  {34, 4, 513936}};
  return std::all_of(std::begin(header), std::end(header),
                     [&](const Field& f) { return field(file, f.offset, f.bytes) == f.value; });
}

class Soak {
 public:
  Soak(unsigned seed, int actions, bool verbose) : random_(seed), seed_(seed), actions_(actions), verbose_(verbose) {}

  int run();

 private:
  using Action = bool (Soak::*)();
  struct Choice {
    const char* name;
    Action action;
    int weight;
  };

  bool fail(const std::string& what) {
    fault_ = what;
    return false;
  }
  int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool chance(int percent) { return pick(100) < percent; }

  std::wstring randomText();
  void focusControl(int row);
  bool checkMirror(const Mirror& m);
  // Marks the edit box as changed once its text differs from `before` (keys may still be arriving).
  void noteChange(const Mirror& m, const std::wstring& before) {
    if (waitUntil([&] { return fullText(app_->control(m.edit)) != before; }, std::chrono::milliseconds(300)))
      touched_.insert(m.edit);
  }

  bool typeAction();
  bool pasteAction();
  bool kindAction();
  bool fontAction();
  bool photoAction();
  bool saveAction();
  bool minimiseAction();
  bool moveAction();

  // Clicks the control and waits for the dialog it opens. A click that
  // arrives while Wine still moves the activation back from a closed dialog
  // can be lost; the user clicks once more, and so does this.
  HWND openDialogWithClick(int row, int x, int y);
  // Types `path` into the open or save dialog and confirms it; answers an
  // overwrite question with yes; collects the texts of the boxes that followed.
  // `typed` is false when the path could not be typed (the dialog was cancelled).
  bool confirmDialog(HWND dialog, const std::wstring& path, std::vector<std::wstring>& boxes, bool& typed);
  bool checkInvariants(const char* action);

  std::mt19937 random_;
  unsigned seed_;
  int actions_;
  bool verbose_;
  std::string fault_;
  std::set<int> touched_;
  ScratchFolder folder_;
  std::vector<soak::PhotoFile> photos_;
  AppSession* app_ = nullptr;
  Counts first_, peak_;
  int saves_ = 0, refused_ = 0, missed_ = 0;
};

std::wstring Soak::randomText() {
  static const std::wstring kPieces[] = {L"张小明", L"男", L"28", L"2026-12-11", L"No.20261211", L"abc",
                                         L"😀",     L"𠀀",  L"★",  L"\u00e9",      L"测试文字",    L"9"};
  switch (pick(5)) {
    case 0:
      return std::wstring(static_cast<size_t>(1 + pick(40)), L' ');  // spaces only
    case 1:
      return L"";
    default: {
      std::wstring text;
      for (int i = 1 + pick(6); i > 0; --i) text += kPieces[pick(static_cast<int>(std::size(kPieces)))];
      return text;
    }
  }
}

void Soak::focusControl(int row) { soak::focusControl(*app_, row, row == kKindCombo); }

bool Soak::checkMirror(const Mirror& m) {
  // Until its edit box changes, a label shows its own start-up caption.
  if (!touched_.count(m.edit)) return true;
  // Typed keys may still be on their way: the labels must match once they are in.
  std::wstring typed, shown;
  int wrong = 0;
  const bool matched = waitUntil([&] {
    typed = fullText(app_->control(m.edit));
    for (int label : m.labels) {
      shown = fullText(app_->control(label));
      if (shown != typed) {
        wrong = label;
        return false;
      }
    }
    return true;
  }, std::chrono::seconds(3));
  if (matched) return true;
  return fail("label " + std::to_string(wrong) + " shows " + std::to_string(shown.size()) +
              " characters, the edit box holds " + std::to_string(typed.size()));
}

bool Soak::typeAction() {
  const Mirror& m = kMirrors[pick(static_cast<int>(std::size(kMirrors)))];
  const std::wstring before = fullText(app_->control(m.edit));
  focusControl(m.edit);
  if (chance(60)) {
    pressChord({VK_CONTROL, 'A'});
    pressKey(VK_DELETE);
  }
  typeText(randomText());
  if (chance(20)) pressKey(VK_BACK);
  noteChange(m, before);
  return checkMirror(m);
}

bool Soak::pasteAction() {
  const Mirror& m = kMirrors[pick(static_cast<int>(std::size(kMirrors)))];
  // A long text beyond the old 32767-character default limit of an edit box,
  // or a short one.
  std::wstring text = chance(30) ? std::wstring(40000, L'长') + L"😀" : randomText();
  if (!OpenClipboard(nullptr)) return true;  // another program holds it: no paste this time
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  const std::wstring before = fullText(app_->control(m.edit));
  focusControl(m.edit);
  pressChord({VK_CONTROL, 'A'});
  pressChord({VK_CONTROL, 'V'});
  app_->settle(std::chrono::milliseconds(100));
  std::wstring now;
  if (!waitUntil([&] { return (now = fullText(app_->control(m.edit))) == text; }, std::chrono::seconds(5))) {
    // Ctrl+V lost on the way (the box unchanged) is the driver's miss.
    if (now == before) return ++missed_ <= kMissesAllowed + actions_ / 20 || fail("too many pastes lost");
    return fail("pasted " + std::to_string(text.size()) + " characters over " + std::to_string(before.size()) +
                ", the edit box holds " + std::to_string(now.size()));
  }
  noteChange(m, before);
  return checkMirror(m);
}

bool Soak::kindAction() {
  const int kind = pick(kKinds);
  focusControl(kKindCombo);
  HWND combo = app_->control(kKindCombo);
  if (!soak::highlightInDroppedList(combo, kind)) return fail("the dropped kind list did not reach item " + std::to_string(kind));
  pressKey(VK_RETURN);
  app_->settle(std::chrono::milliseconds(100));
  const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selected != kind) return fail("kind " + std::to_string(kind) + " chosen, " + std::to_string(selected) + " selected");
  // The kind change re-applies the date and number: their labels still match.
  return checkMirror(kMirrors[2]) && checkMirror(kMirrors[4]);
}

bool Soak::fontAction() {
  HWND dialog = openDialogWithClick(kFontButton, 10, 8);
  if (!dialog) return fail("no font dialog after a click on the font button");
  static const wchar_t* kSizes[] = {L"8", L"9", L"12", L"16", L"20", L"36", L"72"};
  HWND sizeEdit = dd::editInside(GetDlgItem(dialog, dd::kFontSizeCombo));
  const bool typed = sizeEdit && dd::typeInto(dialog, sizeEdit, kSizes[pick(static_cast<int>(std::size(kSizes)))]);
  dd::clickButton(dialog, typed && chance(80) ? IDOK : IDCANCEL);
  if (!dd::waitUntilClosed(dialog, 5000)) {
    dd::cancelRemainingDialogs(app_->thread());
    return fail("the font dialog did not close");
  }
  app_->settle(std::chrono::milliseconds(100));
  return true;
}

HWND Soak::openDialogWithClick(int row, int x, int y) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    app_->activate();
    clickAt(app_->screenPoint(app_->control(row), x, y));
    if (HWND dialog = dd::waitForDialog(app_->thread(), {}, 3000)) return dialog;
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(app_->thread(), &info);
  const RECT r = windowRect(app_->main());
  fwprintf(stderr, L"[soak] no dialog: thread flags %lx, active %p, capture %p, foreground %p, main %p at %ld,%ld\n",
           info.flags, info.hwndActive, info.hwndCapture, GetForegroundWindow(), app_->main(), r.left, r.top);
  return nullptr;
}

bool Soak::confirmDialog(HWND dialog, const std::wstring& path, std::vector<std::wstring>& boxes, bool& typed) {
  HWND edit = nullptr;
  for (int waited = 0; waited < 3000 && !(edit = dd::fileNameEdit(dialog)); waited += 50) Sleep(50);
  if (!edit || !dd::typeInto(dialog, edit, path)) {
    // Wine's dialog sometimes does not take the keyboard focus from input
    // sent from outside; that is the driver's miss, not the program's.
    dd::cancelRemainingDialogs(app_->thread());
    dd::waitUntilClosed(dialog, 3000);
    ++missed_;
    typed = false;
    return missed_ <= kMissesAllowed + actions_ / 20 || fail("too many dialogs refused the typed path");
  }
  typed = true;
  dd::clickButton(dialog, IDOK);
  // Boxes that follow: an overwrite question, a complaint of the dialog, the
  // program's error box. The dialog is gone or refused the name.
  for (int rounds = 0; rounds < 20; ++rounds) {
    HWND box = dd::waitForDialog(app_->thread(), {dialog}, IsWindow(dialog) ? 1500 : 700);
    if (!box) break;
    if (GetDlgItem(box, IDYES)) {
      dd::clickButton(box, IDYES);
    } else {
      boxes.push_back(dd::messageText(box));
      dd::clickButton(box, IDOK);
    }
    dd::waitUntilClosed(box, 3000);
  }
  if (IsWindow(dialog)) {  // the dialog refused the name itself
    dd::clickButton(dialog, IDCANCEL);
    dd::waitUntilClosed(dialog, 3000);
    boxes.push_back(L"(refused by the dialog)");
  }
  app_->settle(std::chrono::milliseconds(50));
  return true;
}

bool Soak::photoAction() {
  const soak::PhotoFile& photo = photos_[static_cast<size_t>(pick(static_cast<int>(photos_.size())))];
  HWND dialog = openDialogWithClick(kPhotoBox, 38, 46);
  if (!dialog) return fail("no open dialog after a click on the photo");
  if (chance(10)) {
    dd::clickButton(dialog, IDCANCEL);
    return dd::waitUntilClosed(dialog, 5000) || fail("the open dialog did not close");
  }
  std::vector<std::wstring> boxes;
  bool typed = false;
  if (!confirmDialog(dialog, folder_.file(photo.name), boxes, typed)) return false;
  if (typed && !boxes.empty()) return fail("loading a photo showed a box: " + std::to_string(boxes.size()));
  return true;
}

bool Soak::saveAction() {
  enum Place { NewFile, Overwrite, ReadOnly, HeldOpen, MissingFolder, FullDisk, kPlaces };
  const wchar_t* fullDir = _wgetenv(L"JOKECERT_TEST_FULL_DIR");
  Place place = static_cast<Place>(pick(kPlaces));
  if (place == FullDisk && !fullDir) place = NewFile;

  const std::wstring name = L"证书" + std::to_wstring(++saves_) + L".bmp";
  std::wstring target = place == MissingFolder ? folder_.file(L"没有的文件夹\\" + name)
                        : place == FullDisk    ? std::wstring(fullDir) + L"\\soak-" + name
                                               : folder_.file(name);
  const std::vector<uint8_t> old = bytesOf("the certificate saved last time");
  if (place != NewFile && place != MissingFolder && !writeWholeFile(target, old))
    return fail("could not prepare the old file");
  if (place == ReadOnly) SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE holder = INVALID_HANDLE_VALUE;
  if (place == HeldOpen)
    holder = CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);

  HWND dialog = openDialogWithClick(kGenerateButton, 20, 10);
  std::vector<std::wstring> boxes;
  bool typed = false;
  const bool confirmed = dialog && confirmDialog(dialog, target, boxes, typed);
  if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
  const std::vector<uint8_t> now = contentOf(target);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (place == FullDisk) DeleteFileW(target.c_str());
  if (!dialog) return fail("no save dialog after a click on 生成");
  if (!confirmed) return false;
  if (!typed) return now == (place == NewFile || place == MissingFolder ? std::vector<uint8_t>{} : old) ||
                     fail("a cancelled save changed the file");

  const bool shouldSucceed = place == NewFile || place == Overwrite;
  if (shouldSucceed) {
    if (!boxes.empty()) return fail("a save to a good place showed a box");
    if (!isCertificate(now)) return fail("a save left " + std::to_string(now.size()) + " bytes, not a certificate");
    return true;
  }
  ++refused_;
  const bool unchanged = place == MissingFolder ? !fileExists(target) : now == old;
  if (!unchanged) return fail("a failed save changed the old file");
  const bool told = !boxes.empty() && (boxes.front().starts_with(L"证件图片没有保存。") ||
                                       boxes.back() == L"(refused by the dialog)");
  if (!told) return fail("a failed save showed no error box");
  // No temporary file stays behind in the folder.
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder_.path() + L"\\*.tmp").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    FindClose(search);
    return fail("a temporary file stayed behind");
  }
  return true;
}

bool Soak::minimiseAction() {
  PostMessageW(app_->main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  if (!waitUntil([&] { return IsIconic(app_->main()) != FALSE; }, std::chrono::seconds(3)))
    return fail("the window did not minimise");
  PostMessageW(app_->main(), WM_SYSCOMMAND, SC_RESTORE, 0);
  if (!waitUntil([&] { return !IsIconic(app_->main()); }, std::chrono::seconds(3)))
    return fail("the window did not come back");
  app_->settle(std::chrono::milliseconds(100));
  return true;
}

bool Soak::moveAction() {
  app_->activate();
  const RECT before = windowRect(app_->main());
  // Drags the title bar, towards the middle of the screen so it stays reachable.
  const POINT grip{before.left + 60, before.top + 10};
  const int dx = pick(81) - 40 + (245 - before.left) / 4, dy = pick(61) - 30 + (112 - before.top) / 4;
  using real_input::mouse;
  mouse(grip, 0);
  mouse(grip, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) mouse({grip.x + dx * step / 4, grip.y + dy * step / 4}, 0);
  mouse({grip.x + dx, grip.y + dy}, MOUSEEVENTF_LEFTUP);
  auto moving = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(app_->thread(), &info) && (info.flags & GUI_INMOVESIZE) != 0;
  };
  if (!waitUntil([&] { return !moving(); }, std::chrono::seconds(2))) {
    mouse({grip.x + dx, grip.y + dy}, MOUSEEVENTF_LEFTUP);  // the button's release may have been lost on the way
    if (!waitUntil([&] { return !moving(); }, std::chrono::seconds(2))) return fail("the window stays in its move loop");
  }
  app_->settle(std::chrono::milliseconds(100));
  return true;
}

bool Soak::checkInvariants(const char* action) {
  if (!app_->running()) {
    DWORD code = 0;
    GetExitCodeProcess(app_->process(), &code);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08lx", code);
    return fail(std::string("the program ended during ") + action + ", exit code " + hex);
  }
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(app_->main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored))
    return fail(std::string("the program stopped answering after ") + action);
  const Counts now = countsOf(app_->process(), app_->thread());
  peak_.handles = std::max(peak_.handles, now.handles);
  peak_.gdi = std::max(peak_.gdi, now.gdi);
  peak_.user = std::max(peak_.user, now.user);
  peak_.windows = std::max(peak_.windows, now.windows);
  peak_.privateBytes = std::max(peak_.privateBytes, now.privateBytes);
  if (now.handles > first_.handles + kHandleSlack || now.gdi > first_.gdi + kGdiSlack ||
      now.user > first_.user + kUserSlack || now.windows > first_.windows + kWindowSlack ||
      now.privateBytes > first_.privateBytes + kPrivateSlack)
    return fail("counts grew to " + std::to_string(now.handles) + " handles, " + std::to_string(now.gdi) + " GDI, " +
                std::to_string(now.user) + " USER objects, " + std::to_string(now.windows) + " windows, " +
                std::to_string(now.privateBytes >> 10) + " KiB private after " + action);
  return true;
}

int Soak::run() {
  wprintf(L"[soak] seed=%u actions=%d\n", seed_, actions_);
  fflush(stdout);
  photos_ = soak::photoCorpus(random_);
  for (const auto& p : photos_) writeWholeFile(folder_.file(p.name), p.bytes);

  AppSession app;
  if (!app.started()) {
    wprintf(L"[soak] FAULT seed=%u: the program did not open its window\n", seed_);
    return 1;
  }
  app_ = &app;
  first_ = peak_ = countsOf(app.process(), app.thread());

  const Choice choices[] = {
      {"type", &Soak::typeAction, 30},  {"paste", &Soak::pasteAction, 10},     {"kind", &Soak::kindAction, 15},
      {"font", &Soak::fontAction, 8},   {"photo", &Soak::photoAction, 15},     {"save", &Soak::saveAction, 12},
      {"minimise", &Soak::minimiseAction, 5}, {"move", &Soak::moveAction, 5},
  };
  int totalWeight = 0;
  for (const Choice& c : choices) totalWeight += c.weight;

  for (int done = 0; done < actions_; ++done) {
    int roll = pick(totalWeight);
    const Choice* choice = choices;
    while (roll >= choice->weight) roll -= (choice++)->weight;
    if (verbose_) {
      fwprintf(stderr, L"[soak] %d %hs\n", done + 1, choice->name);
      fflush(stderr);
    }
    const bool ok = (this->*choice->action)() && checkInvariants(choice->name);
    if (!ok) {
      wprintf(L"[soak] FAULT seed=%u action %d (%hs): %hs\n", seed_, done + 1, choice->name, fault_.c_str());
      saveBmp(captureScreen(windowRect(app.main())), folder_.path() + L"\\..\\soak-fault.bmp");
      return 1;
    }
    if ((done + 1) % 500 == 0) {
      wprintf(L"[soak] %d actions, peaks: %lu handles, %lu GDI, %lu USER, %lu windows, %zu KiB private\n", done + 1,
              peak_.handles, peak_.gdi, peak_.user, peak_.windows, peak_.privateBytes / 1024);
      fflush(stdout);
    }
  }
  app.activate();
  pressKey(VK_ESCAPE);
  const DWORD code = app.waitForExit(std::chrono::seconds(10));
  if (code != 0) {
    wprintf(L"[soak] FAULT seed=%u: exit code %lu after Esc\n", seed_, code);
    return 1;
  }
  wprintf(L"[soak] ok seed=%u actions=%d saves=%d (%d to bad places) inputs missed by the driver=%d peaks: %lu handles (start %lu), %lu GDI, %lu USER "
          L"objects, %lu windows (start %lu), %zu KiB private (start %zu KiB)\n",
          seed_, actions_, saves_, refused_, missed_, peak_.handles, first_.handles, peak_.gdi, peak_.user, peak_.windows,
          first_.windows, peak_.privateBytes / 1024, first_.privateBytes / 1024);
  if (peak_.gdi == 0 && peak_.handles == 0)
    wprintf(L"[soak] note: this Wine gives 0 for GetGuiResources and GetProcessHandleCount; windows and private bytes "
            L"bound the growth instead\n");
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  unsigned seed = GetTickCount();
  int actions = 40;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::wstring flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == L"--seed" && hasValue) seed = static_cast<unsigned>(wcstoul(argv[++i], nullptr, 10));
    if (flag == L"--actions" && hasValue) actions = _wtoi(argv[++i]);
    if (flag == L"--verbose") verbose = true;
  }
  return Soak(seed, actions, verbose).run();
}
