#include "wine/output_test_form.h"

namespace {

constexpr wchar_t kMainClass[] = L"OutputTestMain";
constexpr wchar_t kCanvasClass[] = L"OutputTestCanvas";

LRESULT CALLBACK canvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  handles::PaintScope paint(window);
  RECT client;
  GetClientRect(window, &client);
  const int midX = client.right / 2;
  const int midY = client.bottom / 2;
  const RECT quadrants[4] = {{0, 0, midX, midY}, {midX, 0, client.right, midY}, {0, midY, midX, client.bottom},
                             {midX, midY, client.right, client.bottom}};
  for (int i = 0; i < 4; ++i) {
    handles::UniqueBrush brush(CreateSolidBrush(OutputTestForm::kQuadrants[i]));
    FillRect(paint.dc(), &quadrants[i], brush.get());
  }
  return 0;
}

HWND sharedMainWindow() {
  static const HWND main = [] {
    WNDCLASSW mainClass = {};
    mainClass.lpfnWndProc = DefWindowProcW;
    mainClass.hInstance = GetModuleHandleW(nullptr);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = kMainClass;
    WNDCLASSW canvasClass = mainClass;
    canvasClass.lpfnWndProc = canvasProc;
    canvasClass.hbrBackground = nullptr;
    canvasClass.lpszClassName = kCanvasClass;
    if (!RegisterClassW(&mainClass) || !RegisterClassW(&canvasClass)) return HWND{};
    return CreateWindowExW(0, kMainClass, L"证件输出测试", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                           40, 40, 560, 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }();
  return main;
}

HWND canvasOf(HWND main) {
  static HWND canvas = nullptr;
  if (!IsWindow(canvas)) {
    canvas = CreateWindowExW(0, kCanvasClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 12, 0,
                             OutputTestForm::kCanvasWidth, OutputTestForm::kCanvasHeight, main, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  return canvas;
}

}  // namespace

OutputTestForm::OutputTestForm() : main_(sharedMainWindow()), canvas_(canvasOf(main_)), dialog_(main_) {
  ShowWindow(main_, SW_SHOW);
  SetForegroundWindow(main_);
  UpdateWindow(main_);
  UpdateWindow(canvas_);
}

OutputTestForm::~OutputTestForm() { ShowWindow(main_, SW_HIDE); }

COLORREF OutputTestForm::canvasColourAt(int clientX, int clientY) {
  const int clientWidth = kCanvasWidth - 2;
  const int clientHeight = kCanvasHeight - 2;
  const int column = clientX < clientWidth / 2 ? 0 : 1;
  const int row = clientY < clientHeight / 2 ? 0 : 1;
  return kQuadrants[row * 2 + column];
}

void OutputTestForm::destroyCanvas() {
  DestroyWindow(canvas_);
}

void OutputTestForm::setPicture(ControlId id, std::span<const uint8_t> bytes) {
  pictureWrites_.push_back({id, std::vector<uint8_t>(bytes.begin(), bytes.end())});
}

NativeWindow OutputTestForm::window(ControlId id) { return id == ControlId::标签生成 ? canvas_ : nullptr; }
