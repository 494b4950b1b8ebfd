// A GIF playing in a real window: its timing seen in the window's pixels,
// how fast it stops, and that starting and stopping leaves nothing behind.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "host/pictures_fixtures.h"
#include "ui/handles.h"
#include "ui/pictures/gif_animation.h"

namespace {

using Clock = std::chrono::steady_clock;
using fixtures::Bytes;
using fixtures::Rgb;

using namespace fixtures::colours;

// Three solid frames: red 100 ms, green 200 ms, blue 50 ms (a delay of 0).
Bytes threeFrames() {
  std::vector<fixtures::GifFrameSpec> frames;
  const int delays[] = {10, 20, 0};
  for (int i = 0; i < 3; ++i) {
    fixtures::GifFrameSpec f;
    f.width = 8;
    f.height = 8;
    f.indices = fixtures::filled(64, i);
    f.delay = delays[i];
    frames.push_back(f);
  }
  return fixtures::makeGif(8, 8, {kRed, kGreen, kBlue}, frames);
}

// A bare window that paints like a picture box: background, then the animation.
class BoxWindow {
 public:
  BoxWindow() {
    static const ATOM kClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"PicturesAnimationTestBox";
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
      return RegisterClassW(&wc);
    }();
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(kClass)), L"", WS_POPUP | WS_VISIBLE,
                            100, 100, 60, 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    pump();
  }
  ~BoxWindow() {
    animation.reset();
    DestroyWindow(hwnd_);
  }
  HWND hwnd() const { return hwnd_; }

  void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  void paintNow() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
  }
  Rgb sample() const {
    handles::WindowDC dc(hwnd_);
    const COLORREF c = GetPixel(dc.get(), 30, 20);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
  }
  void fillWhite() {
    handles::WindowDC dc(hwnd_);
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc.get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }

  std::unique_ptr<GifAnimation> animation;

 private:
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_PAINT) {
      auto* self = reinterpret_cast<BoxWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      handles::PaintScope paint(hwnd);
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(paint.dc(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      if (self && self->animation) self->animation->paint(paint.dc(), client);
      return 0;
    }
    return DefWindowProcW(hwnd, message, wp, lp);
  }

  HWND hwnd_ = nullptr;
};

long threadsOfThisProcess() {
  handles::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  long count = 0;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  return count;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Stretch {
  Rgb colour;
  double ms;
};

// Samples the box for `duration`, returning each run of one colour.
std::vector<Stretch> watch(BoxWindow& box, std::chrono::milliseconds duration) {
  std::vector<Stretch> runs;
  const auto start = Clock::now();
  auto runStart = start;
  Rgb current = box.sample();
  while (Clock::now() - start < duration) {
    box.pump();
    const Rgb now = box.sample();
    const auto t = Clock::now();
    if (now != current) {
      runs.push_back({current, std::chrono::duration<double, std::milli>(t - runStart).count()});
      current = now;
      runStart = t;
    }
    Sleep(1);
  }
  return runs;
}

TEST(GifAnimationInABox, FramesChangeAtTheirDelays) {
  BoxWindow box;
  box.animation = GifAnimation::create(box.hwnd(), threeFrames(), 1);
  ASSERT_NE(box.animation, nullptr);
  box.paintNow();
  EXPECT_EQ(box.sample(), kRed);
  const auto runs = watch(box, std::chrono::milliseconds(1600));
  // The first run started before watching; every later one is whole. A
  // frame never shows for less than its delay. A busy machine makes frames
  // late, never early, so the typical lateness (the median) has a bound
  // that still tells 50 from 100 from 200 ms.
  ASSERT_GE(runs.size(), 7u);
  std::map<std::string, std::vector<double>> stays;
  for (std::size_t i = 1; i < runs.size(); ++i) {
    const Rgb expectedNext = runs[i - 1].colour == kRed ? kGreen : runs[i - 1].colour == kGreen ? kBlue : kRed;
    EXPECT_EQ(runs[i].colour, expectedNext) << "run " << i;
    const double expectedMs = runs[i].colour == kRed ? 100 : runs[i].colour == kGreen ? 200 : 50;
    EXPECT_GE(runs[i].ms, expectedMs - 5) << "run " << i;
    stays[runs[i].colour == kRed ? "red" : runs[i].colour == kGreen ? "green" : "blue"].push_back(runs[i].ms - expectedMs);
  }
  ASSERT_EQ(stays.size(), 3u);
  for (auto& [colour, late] : stays) EXPECT_LT(median(late), 30.0) << colour << " frames are late";
}

TEST(GifAnimationInABox, StopsWithinTwentyMillisecondsAndDrawsNothingAfter) {
  BoxWindow box;
  std::vector<double> stops;
  for (int i = 0; i < 20; ++i) {
    box.animation = GifAnimation::create(box.hwnd(), threeFrames(), 1);
    ASSERT_NE(box.animation, nullptr);
    box.paintNow();
    Sleep(static_cast<DWORD>(7 + i * 13));  // stop at various points of the cycle
    const auto before = Clock::now();
    box.animation.reset();
    stops.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
  }
  // A stop wakes the worker at once; waiting out a frame (50 to 200 ms
  // here) would show in the median, a busy machine only in the odd one.
  EXPECT_LT(median(stops), 20.0);
  EXPECT_LT(*std::max_element(stops.begin(), stops.end()), 60.0);
  box.fillWhite();
  Sleep(400);
  EXPECT_EQ(box.sample(), (Rgb{255, 255, 255}));
}

TEST(GifAnimationInABox, AThousandStartsAndStopsLeaveNoThreadOrHandle) {
  BoxWindow box;
  const Bytes bytes = threeFrames();
  const long threadsBefore = threadsOfThisProcess();
  const long handlesBefore = handles::liveTotal();
  RECT client;
  GetClientRect(box.hwnd(), &client);
  for (int i = 0; i < 1000; ++i) {
    auto animation = GifAnimation::create(box.hwnd(), bytes, i % 3);
    ASSERT_NE(animation, nullptr);
    handles::WindowDC dc(box.hwnd());
    animation->paint(dc.get(), client);  // the first paint starts the worker
    if (i % 100 == 0) Sleep(60);         // now and then let it draw a frame itself
  }
  EXPECT_EQ(threadsOfThisProcess(), threadsBefore);
  EXPECT_EQ(handles::liveTotal(), handlesBefore);
}

TEST(GifAnimationInABox, NoAnimationForBytesThatAreNoGif) {
  BoxWindow box;
  const long before = handles::liveTotal();
  EXPECT_EQ(GifAnimation::create(box.hwnd(), Bytes{'G', 'I', 'F', '8', '9', 'a', 1}, 1), nullptr);
  EXPECT_EQ(GifAnimation::create(box.hwnd(), fixtures::makeJpeg(8, 8, [](int, int) { return kRed; }), 1), nullptr);
  EXPECT_EQ(handles::liveTotal(), before);
}

}  // namespace
