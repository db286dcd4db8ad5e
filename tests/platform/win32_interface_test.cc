#include "platform/win32_interface.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>

using namespace compila;

// The waiting window never waits: it is up and painted when mostra_attesa
// returns, or, where no window can be made (wine without a display, a
// service), "Attendere" went to the console instead, and so does the
// fatal message. Never both, never neither.
namespace {

HWND finestra_attesa() { return FindWindowW(L"compila_scenario_attesa", nullptr); }

std::wstring testo_di(HWND w) {
  wchar_t testo[64] = {};
  GetWindowTextW(w, testo, 64);
  return testo;
}

}  // namespace

TEST(Win32Interface, WaitingWindowShowsTheLabelOrFallsBackToTheConsole) {
  std::ostringstream console;
  {
    win32_interface ui(console);
    ui.mostra_attesa();
    HWND finestra = finestra_attesa();
    if (console.str().empty()) {
      ASSERT_NE(finestra, nullptr);
      EXPECT_TRUE(IsWindowVisible(finestra));
      HWND etichetta = FindWindowExW(finestra, nullptr, L"STATIC", nullptr);
      ASSERT_NE(etichetta, nullptr);
      EXPECT_EQ(testo_di(etichetta), L"Attendere");

      HDC dc = GetDC(nullptr);
      const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX), dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
      ReleaseDC(nullptr, dc);
      RECT area;
      GetClientRect(finestra, &area);
      EXPECT_EQ(area.right, MulDiv(4200, dpi_x, 1440));
      EXPECT_EQ(area.bottom, MulDiv(2688, dpi_y, 1440));

      LOGFONTW carattere{};
      HFONT f = reinterpret_cast<HFONT>(SendMessageW(etichetta, WM_GETFONT, 0, 0));
      ASSERT_NE(f, nullptr);
      GetObjectW(f, sizeof carattere, &carattere);
      EXPECT_EQ(carattere.lfWeight, FW_BOLD);
      EXPECT_EQ(carattere.lfHeight, -MulDiv(24, dpi_y, 72));
    } else {
      EXPECT_EQ(console.str(), "Attendere\n");
      EXPECT_EQ(finestra, nullptr);
      // No box can be shown either (and none would wait for OK here).
      ui.mostra_errore(" Errore n. 1250");
      EXPECT_EQ(console.str(), "Attendere\n Errore n. 1250\n");
    }
  }
  EXPECT_EQ(finestra_attesa(), nullptr) << "the window goes with the interface";
}
