#include <gtest/gtest.h>

#include <filesystem>

#include "programs/CliCommandLine.h"
#include "support/ProgramDirFixture.h"
#include "support/RunProgram.h"
#include "support/ZipBuilder.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

class CliInstall : public ::testing::Test {
protected:
    CliInstall() { fs::copy(KORVEX_DATA_DIR "/../tests/fixtures/automod", dir.Path("automod")); }
    ProgramRun Run(const std::string& args) { return RunProgram(Cli(dir, args), dir.root()); }

    ProgramDirFixture dir;
};

TEST_F(CliInstall, IdentifyAndScanTheSampleTree) {
    EXPECT_EQ(Run("identify '" + dir.quakeDir() + "/ctf'").output, "Capture The Flag\tctf\n");
    EXPECT_EQ(Run("identify '" + dir.quakeDir() + "/baseq2'").output, "..unknown..\n");
    const ProgramRun scan = Run("scan-mods");
    EXPECT_EQ(scan.exitStatus, 0) << scan.errors;
    EXPECT_EQ(scan.output, "Arena (beta) (ARENA)\nCapture The Flag (CTF)\n");
    EXPECT_EQ(Run("mods").output, "Arena (beta) (ARENA)\nCapture The Flag (CTF)\n");
}

TEST_F(CliInstall, InstallsRecognisedAndNamedMods) {
    const std::string ctf = dir.root() + "/ctf.zip";
    WriteZip(ctf, {ZipFile("ctf/pak0.pak", "PACK new"), ZipFile("ctf/gamex86.dll", "sample game library 2")});
    EXPECT_EQ(Run("install '" + ctf + "'").exitStatus, 1);  // "Is this correct?" answered No, no name given
    const ProgramRun yes = Run("--yes install '" + ctf + "'");
    EXPECT_EQ(yes.exitStatus, 0) << yes.errors;
    EXPECT_EQ(yes.output, "Capture The Flag (CTF)\n");
    EXPECT_EQ(ReadWholeFile(dir.quakeDir() + "/ctf/pak0.pak"), "PACK new");

    const std::string rocket = dir.root() + "/rocket.exe";
    WriteZip(rocket, {ZipFile("rocket/maps/r1.bsp", "map"), ZipFile("rocket/readme.txt", "hi")}, ProgramStub());
    const ProgramRun named = Run("install '" + rocket + "' --name 'Rocket Arena' --dir rocket");
    EXPECT_EQ(named.exitStatus, 0) << named.errors;
    EXPECT_EQ(named.output, "Rocket Arena (ROCKET)\n");
    EXPECT_EQ(ReadWholeFile(dir.quakeDir() + "/rocket/maps/r1.bsp"), "map");
    EXPECT_FALSE(fs::exists(dir.Path("temp")));

    EXPECT_EQ(Run("install '" + rocket + "' --name Half").exitStatus, 2);
}

}  // namespace
}  // namespace korvex
