// Times the editor's start on a file: MainDialog::LoadAtStart, which reads,
// parses and fills every page, then the modified check that runs after every
// edit (the median of several), the Calculations page's recalculation, then
// Save As to a second path. Messages are
// counted and every question answered Yes, so a hostile file cannot stop the
// run.
//   load_at_start FILE [SAVE_AS]
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "shell/MainDialog.h"
#include "widgets/Dialogs.h"
#include "widgets/PageView.h"

namespace {

class SilentDialogs : public rw::Dialogs {
public:
    rw::MessageAnswer ShowMessage(const std::string& text, const std::string&, rw::MessageIcon,
                                  rw::MessageButtons buttons) override {
        ++messages;
        std::fprintf(stderr, "%.100s\n", text.c_str());
        return buttons == rw::MessageButtons::Ok ? rw::MessageAnswer::Ok : rw::MessageAnswer::Yes;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        return saveAs;
    }
    bool OpenWithDefaultApp(const std::string&) override { return false; }

    int messages = 0;
    std::optional<std::string> saveAs;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: load_at_start FILE [SAVE_AS]\n");
        return 2;
    }
    QApplication app(argc, argv);
    SilentDialogs dialogs;
    rw::MainDialog window(dialogs);
    const auto start = std::chrono::steady_clock::now();
    window.LoadAtStart(argv[1]);
    const auto loaded = std::chrono::steady_clock::now();
    using ms = std::chrono::duration<double, std::milli>;
    std::vector<double> checks;
    for (int run = 0; run < 7; ++run) {
        const auto before = std::chrono::steady_clock::now();
        [[maybe_unused]] const bool modified = window.Document().IsModified();
        checks.push_back(ms(std::chrono::steady_clock::now() - before).count());
    }
    std::sort(checks.begin(), checks.end());
    const auto figuresStart = std::chrono::steady_clock::now();
    if (window.Document().IsOpen()) {
        window.View(rw::PageId::Calculations)->Recalculate();
    }
    const auto figuresEnd = std::chrono::steady_clock::now();
    const auto saveStart = std::chrono::steady_clock::now();
    if (argc > 2 && window.Document().IsOpen()) {
        dialogs.saveAs = argv[2];
        window.findChild<QPushButton*>("saveAsButton")->click();
    }
    const auto end = std::chrono::steady_clock::now();
    std::printf(
        "load %.1f ms, modified check %.3f ms, calculations %.1f ms, save as %.1f ms, open %d, "
        "messages %d\n",
        ms(loaded - start).count(), checks[checks.size() / 2],
        ms(figuresEnd - figuresStart).count(), ms(end - saveStart).count(),
        window.Document().IsOpen() ? 1 : 0, dialogs.messages);
    return 0;
}
