// Times the row view's paint of a list of 100 rows and of 100,000 rows in
// the same run:
//   row_view_bench [PAINTS]
// prints "paint <rows> <microseconds per paint>" for each list and their
// ratio. Each list is a shown window painted through WM_PAINT; the two take
// turns, and each keeps its median, so other work on the machine counts
// least.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ui/panel_win.h"
#include "ui/row_view_win.h"

namespace {

// A list as the tools show them: check boxes, three columns of text made on
// demand.
class BenchList final : public tw::ui::RowModel {
public:
    explicit BenchList(std::size_t count) : count_(count) {}
    std::size_t RowCount() const override { return count_; }
    std::string CellText(tw::ui::RowRef ref, int column) const override {
        static const char* const kinds[] = {"C:\\Windows\\Temp\\file", "Missing shared DLL ", "HKEY_CLASSES_ROOT\\"};
        return kinds[column % 3] + std::to_string(ref.row) + ".tmp";
    }
    bool HasCheckBoxes() const override { return true; }
    tw::ui::CheckState Check(tw::ui::RowRef ref) override {
        return ref.row % 3 ? tw::ui::CheckState::Checked : tw::ui::CheckState::Unchecked;
    }

private:
    std::size_t count_;
};

class Frame final : public tw::ui::Window {
public:
    Frame(int x, std::size_t rows) : model(rows) {
        Create(L"TwBenchFrame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, L"row view bench", x, 0, 640, 480, nullptr);
        RECT client;
        GetClientRect(Handle(), &client);
        panel = std::make_unique<tw::ui::Panel>(Handle(), client.right, client.bottom);
        MoveWindow(panel->Handle(), 0, 0, client.right, client.bottom, FALSE);
        ShowWindow(panel->Handle(), SW_SHOW);
        view = std::make_unique<tw::ui::RowView>(panel->At(0, 0, client.right, client.bottom, tw::ui::kAnchorFill),
                                                 model);
        view->AddColumn("File", 260);
        view->AddColumn("Description", 180);
        view->AddColumn("Location", 180);
        // The middle of the list, where a walk from the first row costs most.
        view->Select({rows / 2, std::nullopt});
    }
    BenchList model;
    std::unique_ptr<tw::ui::Panel> panel;
    std::unique_ptr<tw::ui::RowView> view;
};

double PaintMicroseconds(HWND view) {
    const auto start = std::chrono::steady_clock::now();
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int paints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Frame small(0, 100), large(660, 100000);
    std::vector<double> smallTimes, largeTimes;
    for (int i = 0; i < 10; ++i) {  // first paints build fonts, themes and the background
        PaintMicroseconds(small.view->Handle());
        PaintMicroseconds(large.view->Handle());
    }
    for (int i = 0; i < paints; ++i) {
        smallTimes.push_back(PaintMicroseconds(small.view->Handle()));
        largeTimes.push_back(PaintMicroseconds(large.view->Handle()));
    }
    const double smallMedian = Median(smallTimes), largeMedian = Median(largeTimes);
    std::printf("paint %zu %.1f\n", small.model.RowCount(), smallMedian);
    std::printf("paint %zu %.1f\n", large.model.RowCount(), largeMedian);
    std::printf("ratio %.2f\n", largeMedian / smallMedian);
    return 0;
}
