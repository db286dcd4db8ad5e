#include "platform/win32_interface.h"

#include <windows.h>

#include "platform/win32_text.h"

namespace compila {

namespace {

const wchar_t* const titolo = L"compila_scenario";
const wchar_t* const titolo_attesa = L"compila_scenario - Attendere";
const wchar_t* const classe_finestra = L"compila_scenario_attesa";

// Twips are 1/1440 inch; the screen says how many pixels make an inch.
struct scala {
  int x;
  int y;
  int px(int twips) const { return MulDiv(twips, x, 1440); }
  int py(int twips) const { return MulDiv(twips, y, 1440); }
};

scala scala_schermo() {
  HDC dc = GetDC(nullptr);
  scala s{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
  ReleaseDC(nullptr, dc);
  return s;
}

// False where no window can be made at all (a service, wine without a
// display): there MessageBoxW may return at once as if OK had been pressed,
// and the text would reach no one.
bool finestre_possibili() {
  HWND prova = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (!prova) return false;
  DestroyWindow(prova);
  return true;
}

bool registra_classe(HINSTANCE istanza) {
  WNDCLASSW classe{};
  classe.lpfnWndProc = DefWindowProcW;
  classe.hInstance = istanza;
  classe.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = classe_finestra;
  return RegisterClassW(&classe) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

win32_interface::~win32_interface() {
  if (finestra_) DestroyWindow(static_cast<HWND>(finestra_));
  if (carattere_) DeleteObject(static_cast<HFONT>(carattere_));
}

void win32_interface::mostra_attesa() {
  HINSTANCE istanza = GetModuleHandleW(nullptr);
  const scala s = scala_schermo();
  const DWORD stile = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT area{0, 0, s.px(4200), s.py(2688)};
  AdjustWindowRect(&area, stile, FALSE);
  HWND finestra = registra_classe(istanza)
      ? CreateWindowExW(0, classe_finestra, titolo_attesa, stile, CW_USEDEFAULT, CW_USEDEFAULT,
                        area.right - area.left, area.bottom - area.top, nullptr, nullptr, istanza, nullptr)
      : nullptr;
  if (!finestra) {
    console_ << "Attendere" << std::endl;
    return;
  }
  finestra_ = finestra;
  HWND etichetta = CreateWindowExW(0, L"STATIC", L"Attendere", WS_CHILD | WS_VISIBLE | SS_LEFT,
                                   s.px(960), s.py(960), s.px(2652), s.py(792), finestra,
                                   nullptr, istanza, nullptr);
  HFONT carattere = CreateFontW(-MulDiv(24, s.y, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
  carattere_ = carattere;
  if (etichetta && carattere) SendMessageW(etichetta, WM_SETFONT, reinterpret_cast<WPARAM>(carattere), TRUE);
  ShowWindow(finestra, SW_SHOWNORMAL);
  // The run never returns to a message loop: paint the window and its
  // label now, once (the label is a window of its own, hence ALLCHILDREN).
  RedrawWindow(finestra, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void win32_interface::mostra_errore(const std::string& testo) {
  if (!finestre_possibili() || MessageBoxW(nullptr, in_utf16(testo).c_str(), titolo, MB_OK) == 0)
    console_ << testo << std::endl;
}

}  // namespace compila
