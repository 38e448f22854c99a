// What the undo history of the main window holds in memory for a show of 10,000 sequences:
// 1,000 steps of the ordinary kinds (a play option, a move, an Add, a removal, a lights-off
// click), and steps whose change spans the whole list (the first and last entry exchanged), the
// most that one step of this size of show can keep, without the history's limit on the number of
// steps. The heap in use (mallinfo2) is read with the
// steps in the history and again after the history is emptied; the difference is the history's.
// Also prints the time of one recorded edit as a ratio to writing the show text once.
// Runs offscreen unless a platform is given.

#include "NextFilePrompts.h"
#include "editor/frmShow.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUndoStack>

#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <string>

namespace {

constexpr int EntryCount = 10000;
constexpr int OrdinarySteps = 1000;
constexpr int WholeListSteps = 100;

std::string SequencePath(int number) {
    char name[96];
    std::snprintf(name, sizeof name,
                  "C:\\Users\\Lights\\Documents\\Brightwave\\Sequences\\Sequence %05d.kas", number);
    return name;
}

double HeapInUse() {
    return static_cast<double>(mallinfo2().uordblks);
}

template <class Control> Control* Find(const QWidget& window, const char* name) {
    return window.findChild<Control*>(QString::fromLatin1(name));
}

// The bytes that the history keeps for its steps: the heap with them, less the heap without.
double HistoryBytes(QUndoStack& stack) {
    malloc_trim(0);
    const double withSteps = HeapInUse();
    stack.clear();
    malloc_trim(0);
    return withSteps - HeapInUse();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir folder;
    NextFilePrompts prompts;
    prompts.next = folder.filePath(QStringLiteral("Long.kss"));
    bw::Show show;
    for (int i = 1; i <= EntryCount; ++i)
        show.Main()->List().push_back(SequencePath(i));
    const std::string text = bw::ShowFunctions::ShowToText(show);
    if (!folder.isValid() || bw::File::WriteWholeFile(prompts.next.toStdString(), text) != 0) {
        std::fprintf(stderr, "cannot write the show file\n");
        return 1;
    }

    bw::frmShow window(prompts, {});
    window.findChild<QAction*>(QStringLiteral("Open"))->trigger();
    Find<QTabBar>(window, "tsMain")->setCurrentIndex(bw::frmShow::AnimationTab - 1);
    auto* list = Find<QAbstractItemView>(window, "lbSequences");
    auto& stack = *window.findChild<QUndoStack*>();
    // Measured without the history's limit, which then tells what the history keeps at most.
    const int limit = stack.undoLimit();
    stack.setUndoLimit(0);
    const char* playOptions[] = {"opStandard", "opVariant"};

    for (int step = 0; step < OrdinarySteps; ++step) {
        const int row = (step * 37) % (EntryCount - 1);
        switch (step % 5) {
        case 0:
            Find<QAbstractButton>(window, playOptions[step / 5 % 2])->click();
            break;
        case 1:
            list->setCurrentIndex(list->model()->index(row, 0));
            Find<QAbstractButton>(window, "btDown")->click();
            break;
        case 2:
            prompts.next = QString::fromStdString(SequencePath(EntryCount + step));
            Find<QAbstractButton>(window, "btAdd")->click();
            break;
        case 3:
            list->setCurrentIndex(list->model()->index(row, 0));
            Find<QAbstractButton>(window, "btRemove")->click();
            break;
        default:
            Find<QAbstractButton>(window, "chkLightsOffAtEnd")->click();
            break;
        }
    }
    const int ordinaryKept = stack.count();
    const double ordinaryBytes = HistoryBytes(stack);

    for (int step = 0; step < WholeListSteps; ++step)
        window.SwapSequences(1, EntryCount);
    const int wholeListKept = stack.count();
    const double wholeListBytes = HistoryBytes(stack);

    // One recorded edit (a play option click: the show text written and compared, one step
    // kept) against writing the show text once.
    using Clock = std::chrono::steady_clock;
    const auto writeStart = Clock::now();
    for (int i = 0; i < 20; ++i)
        bw::ShowFunctions::ShowToText(*window.MyShow());
    const auto editStart = Clock::now();
    for (int i = 0; i < 20; ++i)
        Find<QAbstractButton>(window, playOptions[i % 2])->click();
    const auto end = Clock::now();
    const double write = std::chrono::duration<double>(editStart - writeStart).count();
    const double edit = std::chrono::duration<double>(end - editStart).count();

    std::printf("Show text of %d sequences: %zu bytes\n", EntryCount, text.size());
    std::printf("%d ordinary steps (%d kept): %.0f bytes in all, %.0f per step\n", OrdinarySteps,
                ordinaryKept, ordinaryBytes, ordinaryBytes / ordinaryKept);
    std::printf("%d whole-list steps (%d kept): %.0f bytes per step; 1,000 would take %.0f MB\n",
                WholeListSteps, wholeListKept, wholeListBytes / wholeListKept,
                wholeListBytes / wholeListKept * 1000 / 1e6);
    std::printf("The history's limit of %d steps: at most %.0f MB of whole-list steps, %.0f KB of "
                "ordinary steps\n",
                limit, wholeListBytes / wholeListKept * limit / 1e6,
                ordinaryBytes / ordinaryKept * limit / 1e3);
    std::printf("Full text before and after in each of 1,000 steps would take %.0f MB\n",
                2.0 * static_cast<double>(text.size()) * 1000 / 1e6);
    std::printf("One recorded edit / writing the show text once: %.2f\n", edit / write);
    return 0;
}
