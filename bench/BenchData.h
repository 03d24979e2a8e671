// The data the scenarios generate and the plain file operations their baselines do.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "support/CompilerTestData.h"
#include "support/FakeHost.h"

namespace korvex::bench {

// Answers every question as a player who goes ahead would: Yes to a yes/no question, No to
// "remove the conflicting macro?" (both macros stay), and names no unknown MOD. Nothing is
// recorded, so that thousands of runs keep no growing lists.
class BenchHost : public FakeHost {
public:
    Button ShowMessage(Icon icon, const std::string& text, Buttons buttons) override;
    UnknownModAnswer AskUnknownMod(const UnknownModRequest&) override { return {}; }
    void ShowStatus(StatusWindow, const std::string&) override {}

    int errors = 0;  // error boxes shown
    std::string lastError;
};

// The application object on a fixture's program directory, as start-up would set it up.
struct BenchApp {
    explicit BenchApp(const ProgramDirFixture& dir);
    BenchHost host;
    Korvex app{host};
};

// Ends the measurement with the error shown last, if any; true when there was none.
bool NoErrors(benchmark::State& state, const BenchHost& host);

// Data made on first use and shared by the figure and the baseline of one size.
template <typename Data>
class Lazy {
public:
    explicit Lazy(std::function<std::unique_ptr<Data>()> make)
        : state_(std::make_shared<State>(State{std::move(make), nullptr})) {}
    Data& operator*() const {
        if (!state_->data) state_->data = state_->make();
        return *state_->data;
    }
    Data* operator->() const { return &**this; }

private:
    struct State {
        std::function<std::unique_ptr<Data>()> make;
        std::unique_ptr<Data> data;
    };
    std::shared_ptr<State> state_;
};

// A generated macro: three key requests, one of them a chord, keys taken from a pool that
// several macros share.
TestMacro BenchMacro(int index);
// The lines of a macro file as a player would write it: the descriptions, then a body.
std::vector<std::string> MacroFileLines(const TestMacro& macro);
void WriteCatalogueMacro(ProgramDirFixture& dir, const TestMacro& macro);

// Every regular file below the directories, with its size, in listing order.
std::vector<std::string> FilesBelow(const std::vector<std::string>& directories);
// Reads every byte of the files; the total, so that the reading cannot be left out.
std::size_t ReadFiles(const std::vector<std::string>& files);
// Copies the files below from into to (emptied first), keeping their relative paths.
void CopyTree(const std::string& from, const std::string& to);

}  // namespace korvex::bench
