#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "install/ExecFile.h"
#include "support/FakeHost.h"
#include "support/ProgramDirFixture.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

// A host whose event processing is what lets the waited-for program end.
class SignallingHost : public FakeHost {
public:
    explicit SignallingHost(std::string signal) : signal_(std::move(signal)) {}
    void ProcessPendingEvents() override {
        FakeHost::ProcessPendingEvents();
        WriteWholeFile(signal_, "");
    }

private:
    std::string signal_;
};

class ExecFile : public ::testing::Test {
protected:
    ExecFile() {
        std::string pattern = (fs::temp_directory_path() / "korvex-exec-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
    }
    ~ExecFile() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return dir + "/" + name; }
    // sh waiting for a file, then leaving another one behind.
    void WaitScript(TExecFile& exec, const std::string& signal, const std::string& done) const {
        exec.CommandLine = "/bin/sh";
        exec.Parameters = "-c 'while [ ! -e " + Path(signal) + " ]; do sleep 0.01; done; touch " + Path(done) + "'";
    }
    static bool EventuallyExists(const std::string& path) {
        for (int tries = 0; tries < 3000 && !fs::exists(path); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return fs::exists(path);
    }

    std::string dir;
    FakeHost host;
};

TEST(CommandLine, SplitsAsAShellWouldAndKeepsTheTrailingBlank) {
    EXPECT_EQ(SplitCommandLine("/q/QUAKE2.EXE +set game CTF  +exec \"my cfg.cfg\" 'a b'c "),
              (Words{"/q/QUAKE2.EXE", "+set", "game", "CTF", "+exec", "my cfg.cfg", "a bc"}));
    EXPECT_EQ(SplitCommandLine("say \"\""), (Words{"say", ""}));
    EXPECT_EQ(QuoteForCommandLine("/games/quake 2/quake2"), "\"/games/quake 2/quake2\"");
    TExecFile exec;
    exec.CommandLine = "prog";
    EXPECT_EQ(exec.Command(), "prog ");
    exec.CommandLine = "/games/quake 2/QUAKE2.EXE";
    exec.Interpreter = "wine";
    exec.Parameters = "+set game ctf";
    EXPECT_EQ(exec.Command(), "wine \"/games/quake 2/QUAKE2.EXE\" +set game ctf");
}

// Quotes and blanks in the program's path are no syntax, and the program works in the
// directory it was given while Korvex stays in its own.
TEST_F(ExecFile, TheProgramIsOneArgumentAndStartsInItsOwnDirectory) {
    const std::string place = Path("it's \"q2\" dir");
    const std::string script = place + "/run me";
    WriteWholeFile(script, "#!/bin/sh\npwd > \"$0.log\"\nfor a in \"$@\"; do echo \"[$a]\" >> \"$0.log\"; done\n");
    fs::permissions(script, fs::perms::owner_all);
    const fs::path before = fs::current_path();
    TExecFile exec;
    exec.Wait = true;
    exec.CommandLine = script;
    exec.Parameters = "+set game 'a b' x";
    exec.Directory = place;
    ASSERT_TRUE(exec.Execute(host)) << std::strerror(exec.ErrorCode);
    EXPECT_EQ(ReadWholeFile(script + ".log"), place + "\n[+set]\n[game]\n[a b]\n[x]\n");
    EXPECT_EQ(fs::current_path(), before);

    // Through an interpreter, as a Windows program runs through wine.
    fs::permissions(script, fs::perms::owner_read | fs::perms::owner_write);
    exec.Interpreter = "/bin/sh";
    exec.Parameters.clear();
    ASSERT_TRUE(exec.Execute(host));
    EXPECT_EQ(ReadWholeFile(script + ".log"), place + "\n");
}

TEST_F(ExecFile, WaitsOrNotAndKeepsEventsFlowingWhileWaiting) {
    TExecFile exec;
    exec.Wait = false;
    exec.Priority = TPriorityClass::pcIdle;
    WaitScript(exec, "go", "done");
    ASSERT_TRUE(exec.Execute(host));
    EXPECT_TRUE(exec.ProcessGroupRunning());
    EXPECT_EQ(::getpriority(PRIO_PROCESS, static_cast<id_t>(exec.ProcessId())), 19);
    EXPECT_FALSE(fs::exists(Path("done")));
    WriteWholeFile(Path("go"), "");
    EXPECT_TRUE(EventuallyExists(Path("done")));

    // The program ends only once the host processed events during the wait.
    SignallingHost signalling(Path("events"));
    TExecFile regular;
    regular.Wait = true;
    WaitScript(regular, "events", "regular-done");
    ASSERT_TRUE(regular.Execute(signalling));
    EXPECT_TRUE(fs::exists(Path("regular-done")));
    EXPECT_EQ(regular.ExitStatus(), 0);
    EXPECT_FALSE(regular.Running);
    EXPECT_TRUE(signalling.suspendCalls.empty());

    SignallingHost suspended(Path("painted"));
    TExecFile game;
    SetUpQuakeExecFile(game);
    WaitScript(game, "painted", "game-done");
    ASSERT_TRUE(game.Execute(suspended));
    EXPECT_TRUE(fs::exists(Path("game-done")));
    EXPECT_EQ(suspended.suspendCalls, (std::vector<bool>{true, false}));
}

TEST_F(ExecFile, AFailedStartCallsOnFailWithTheErrorAndAssociateUsesTheDocumentOpener) {
    TExecFile exec;
    int failures = 0;
    exec.OnFail = [&](TExecFile& sender) { failures += &sender == &exec; };
    exec.CommandLine = Path("missing-program");
    EXPECT_FALSE(exec.Execute(host));
    EXPECT_EQ(exec.ErrorCode, ENOENT);
    EXPECT_EQ(failures, 1);

    // A read-me that is a script is opened as a document, never run.
    const std::string savedPath = std::getenv("PATH");
    WriteWholeFile(Path("readme.txt"), "#!/bin/sh\ntouch " + Path("ran") + "\n");
    fs::permissions(Path("readme.txt"), fs::perms::owner_all);
    // The opener is the first runnable file of its name on the PATH: a directory so named is
    // passed over, and a directory whose name has an umlaut is searched like any other.
    const std::string opener = Path("J\xC3\xBCrgen/xdg-open");
    WriteWholeFile(opener, "#!/bin/sh\necho \"$@\" > " + Path("x") + " && mv " + Path("x") + " " + Path("opened") + "\n");
    fs::permissions(opener, fs::perms::owner_all);
    fs::create_directories(Path("bin/xdg-open"));
    TExecFile viewer;
    SetUpViewReadmeExecFile(viewer);
    viewer.CommandLine = Path("readme.txt");
    ::setenv("PATH", (Path("bin") + ":" + Path("J\xC3\xBCrgen") + ":/usr/bin:/bin").c_str(), 1);
    EXPECT_TRUE(viewer.Execute(host));
    EXPECT_TRUE(EventuallyExists(Path("opened")));
    EXPECT_EQ(ReadWholeFile(Path("opened")), Path("readme.txt") + "\n");
    EXPECT_FALSE(fs::exists(Path("ran")));
    EXPECT_EQ(viewer.ErrorCode, 0);

    // Without an opener, or without Associate, a document does not start.
    int viewerFailures = 0;
    viewer.OnFail = [&](TExecFile&) { ++viewerFailures; };
    viewer.Associate = false;
    fs::permissions(Path("readme.txt"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(viewer.Execute(host));
    viewer.Associate = true;
    ::setenv("PATH", Path("no-opener").c_str(), 1);
    EXPECT_FALSE(viewer.Execute(host));
    ::setenv("PATH", savedPath.c_str(), 1);
    EXPECT_EQ(viewerFailures, 2);
}

}  // namespace
}  // namespace korvex
