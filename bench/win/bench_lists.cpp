// Prints what filling a toolkit list costs next to a bare LB_ADDSTRING loop
// into the same kind of native list box, at several sizes, so both the ratio
// and the growth per row show. The lists are on a visible window, as the
// picker's and BrowseKill's are. Run under Wine from the bin folder:
//   qm_bench_lists.exe [rounds]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_backend.h"

namespace {

using namespace qm;

class TListBench : public ui::Form {
 public:
  TListBench() : Form("ListBench") {
    setCaption("List benchmark");
    setClientSize(700, 420);
    ListBox1.setBounds(8, 8, 340, 400);
    CheckListBox1.setBounds(352, 8, 340, 400);
  }
  ui::ListBox ListBox1{*this, "ListBox1"};
  ui::CheckListBox CheckListBox1{*this, "CheckListBox1"};
};

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

double now() {
  static LARGE_INTEGER frequency{};
  if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// The least time of several rounds, in microseconds; `reset` runs untimed
// before each round and whatever was drawn meanwhile is painted untimed too.
double best(int rounds, const std::function<void()>& reset, const std::function<void()>& fill) {
  double least = 1e300;
  for (int r = 0; r < rounds; ++r) {
    reset();
    pump();
    const double start = now();
    fill();
    least = std::min(least, now() - start);
    pump();
  }
  return least;
}

std::vector<std::string> rows(int n) {
  std::vector<std::string> result;
  char text[96];
  for (int i = 0; i < n; ++i) {
    std::snprintf(text, sizeof text, "%6d  PROGRAM%04d.EXE     C:\\Program Files\\Vendor %d\\Bin\\", 4 * i + 8, i, i % 37);
    result.emplace_back(text);
  }
  return result;
}

// A native list box beside the toolkit's, with the same styles.
HWND bareList(HWND parent, bool ownerDrawn, int left) {
  const DWORD style = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
                      (ownerDrawn ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0);
  return CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", style, left, 8, 340, 400, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  ui::win32::Win32Backend backend;
  ui::Application app(backend);
  TListBench form;
  TListBench bare;  // a window of ours, so the owner-drawn list gets its row height
  app.add(form);
  app.add(bare);
  bare.ListBox1.setVisible(false);
  bare.CheckListBox1.setVisible(false);
  form.show();
  bare.show();
  HWND parent = static_cast<HWND>(ui::win32::Win32Backend::handleOf(bare));
  HWND plain = bareList(parent, false, 8);
  HWND drawn = bareList(parent, true, 352);
  pump();

  auto header = [] {
    std::printf("%6s %10s %10s %6s %10s %10s %6s %8s\n", "rows", "bare", "ListBox", "ratio", "bare od", "CheckList",
                "ratio", "us/row");
  };
  auto line = [](int n, double barePlain, double list, double bareDrawn, double checks) {
    std::printf("%6d %10.0f %10.0f %6.2f %10.0f %10.0f %6.2f %8.2f\n", n, barePlain, list, list / barePlain, bareDrawn,
                checks, checks / bareDrawn, list / n);
  };

  // Row by row, drawn as they come: each add() against one LB_ADDSTRING.
  std::printf("Row by row into a visible list, best of %d rounds; microseconds\n", rounds);
  header();
  for (int n : {100, 250, 500, 1000}) {
    const std::vector<std::string> texts = rows(n);
    auto bareFill = [&](HWND list) {
      return best(
          rounds, [&] { SendMessageA(list, LB_RESETCONTENT, 0, 0); },
          [&] {
            for (const std::string& t : texts) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
          });
    };
    const double barePlain = bareFill(plain);
    const double bareDrawn = bareFill(drawn);
    const double list = best(
        rounds, [&] { form.ListBox1.clear(); },
        [&] {
          for (const std::string& t : texts) form.ListBox1.add(t);
        });
    int i = 0;
    const double checks = best(
        rounds, [&] { form.CheckListBox1.clear(); },
        [&] {
          for (const std::string& t : texts) form.CheckListBox1.add(t, ++i % 2 == 0);
        });
    line(n, barePlain, list, bareDrawn, checks);
  }

  // A refresh: the bare loop with drawing off, against the toolkit's update
  // brackets (clear and add) and against setItems. Without the drawing the
  // toolkit's own share shows.
  std::printf("\nA refresh with drawing off until the end, best of %d rounds; microseconds\n", rounds);
  // Most of a refresh is the one repaint at its end; the last column is
  // what each row adds, against the smallest list.
  std::printf("%6s %10s %10s %6s %10s %10s %6s %10s %6s %8s\n", "rows", "bare", "ListBox", "ratio", "bare od",
              "CheckList", "ratio", "setItems", "ratio", "+us/row");
  int firstRows = 0;
  double firstTime = 0;
  for (int n : {250, 500, 1000, 2000, 4000, 8000}) {
    const std::vector<std::string> texts = rows(n);
    auto bareFill = [&](HWND list) {
      return best(
          rounds, [] {},
          [&] {
            SendMessageA(list, WM_SETREDRAW, FALSE, 0);
            SendMessageA(list, LB_RESETCONTENT, 0, 0);
            for (const std::string& t : texts) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
            SendMessageA(list, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(list, nullptr, TRUE);
          });
    };
    const double barePlain = bareFill(plain);
    const double bareDrawn = bareFill(drawn);
    const double list = best(
        rounds, [] {},
        [&] {
          form.ListBox1.beginUpdate();
          form.ListBox1.clear();
          for (const std::string& t : texts) form.ListBox1.add(t);
          form.ListBox1.endUpdate();
        });
    int i = 0;
    const double checks = best(
        rounds, [] {},
        [&] {
          form.CheckListBox1.beginUpdate();
          form.CheckListBox1.clear();
          for (const std::string& t : texts) form.CheckListBox1.add(t, ++i % 2 == 0);
          form.CheckListBox1.endUpdate();
        });
    const double bulk = best(rounds, [] {}, [&] { form.ListBox1.setItems(texts); });
    if (firstRows == 0) {
      firstRows = n;
      firstTime = list;
    }
    const double added = n > firstRows ? (list - firstTime) / (n - firstRows) : 0.0;
    std::printf("%6d %10.0f %10.0f %6.2f %10.0f %10.0f %6.2f %10.0f %6.2f %8.2f\n", n, barePlain, list,
                list / barePlain, bareDrawn, checks, checks / bareDrawn, bulk, bulk / barePlain, added);
  }
  std::printf("Goal: ratio at most 1.5 at 1000 rows, and the time per row about the same at every size.\n");
  return 0;
}
