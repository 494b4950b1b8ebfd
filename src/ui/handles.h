// Owning wrappers for Win32 handles: one small non-copyable, movable type per
// handle kind, plus scoped acquire/restore pairs for device contexts and
// selected objects. Every wrapper counts the handles it holds, so tests can
// see leaks even where the platform cannot report GDI usage.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace handles {

enum class Kind { Font, Brush, Bitmap, Region, MemoryDC, Icon, Window, File, Thread, Event, Count };

// Live handles per kind, held by the wrappers below.
long liveCount(Kind kind);
long liveTotal();
void noteAcquired(Kind kind);
void noteReleased(Kind kind);

template <typename T, Kind K, typename Closer, T Invalid = T{}>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T handle) : handle_(handle) {
    if (handle_ != Invalid) noteAcquired(K);
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~Unique() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid; }

  // Takes ownership of `handle`, releasing what was held before.
  void reset(T handle = Invalid) {
    if (handle_ != Invalid) {
      Closer{}(handle_);
      noteReleased(K);
    }
    handle_ = handle;
    if (handle_ != Invalid) noteAcquired(K);
  }
  // Gives up ownership without closing.
  T release() {
    if (handle_ != Invalid) noteReleased(K);
    return std::exchange(handle_, Invalid);
  }

 private:
  T handle_ = Invalid;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteMemoryDC {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyIconHandle {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct DestroyWindowHandle {
  void operator()(HWND h) const {
    if (IsWindow(h)) DestroyWindow(h);
  }
};
struct CloseKernelHandle {
  void operator()(HANDLE h) const { CloseHandle(h); }
};

using UniqueFont = Unique<HFONT, Kind::Font, DeleteGdiObject>;
using UniqueBrush = Unique<HBRUSH, Kind::Brush, DeleteGdiObject>;
using UniqueBitmap = Unique<HBITMAP, Kind::Bitmap, DeleteGdiObject>;
using UniqueRegion = Unique<HRGN, Kind::Region, DeleteGdiObject>;
using UniqueMemoryDC = Unique<HDC, Kind::MemoryDC, DeleteMemoryDC>;
using UniqueIcon = Unique<HICON, Kind::Icon, DestroyIconHandle>;
using UniqueWindow = Unique<HWND, Kind::Window, DestroyWindowHandle>;
using UniqueThread = Unique<HANDLE, Kind::Thread, CloseKernelHandle>;
using UniqueEvent = Unique<HANDLE, Kind::Event, CloseKernelHandle>;

// A file handle: invalid is INVALID_HANDLE_VALUE, not null.
class UniqueFile {
 public:
  UniqueFile() = default;
  explicit UniqueFile(HANDLE h) : handle_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  HANDLE get() const { return handle_ ? handle_.get() : INVALID_HANDLE_VALUE; }
  explicit operator bool() const { return static_cast<bool>(handle_); }
  void reset() { handle_.reset(); }

 private:
  Unique<HANDLE, Kind::File, CloseKernelHandle> handle_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  HDC dc() const { return dc_; }
  const RECT& paintRect() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// GetDC / GetWindowDC / ReleaseDC.
class WindowDC {
 public:
  enum class Area { Client, Whole };
  explicit WindowDC(HWND hwnd, Area area = Area::Client)
      : hwnd_(hwnd), dc_(area == Area::Client ? GetDC(hwnd) : GetWindowDC(hwnd)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// SelectObject with the previous object selected back at scope end.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ~ScopedSelect() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC, for clip regions and modes set during a paint.
class ScopedDCState {
 public:
  explicit ScopedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ScopedDCState(const ScopedDCState&) = delete;
  ScopedDCState& operator=(const ScopedDCState&) = delete;
  ~ScopedDCState() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace handles
