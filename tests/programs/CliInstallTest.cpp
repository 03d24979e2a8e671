#include <filesystem>

#include "programs/CliCommandLine.h"
#include "support/ZipBuilder.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

class CliInstall : public CliTest {
protected:
    CliInstall() { fs::copy(KORVEX_DATA_DIR "/../tests/fixtures/automod", dir.Path("automod")); }
    std::string Download(const std::string& name) const { return dir.root() + "/" + name; }
};

// A recognised MOD is installed only with --yes ("Is this correct?" is answered No otherwise);
// the files beside it are named and stay in temp/.
TEST_F(CliInstall, FilesNotInstalledAreListedAndRefusedArchivesFail) {
    WriteZip(Download("ctf.zip"),
             {ZipFile("ctf/pak0.pak", "PACK new"), ZipFile("ctf/gamex86.dll", "sample game library 2"),
              ZipFile("baseq2/maps/q2ctf9.bsp", "map"), ZipFile("readme.txt", "read me")});
    const ProgramRun run = Succeeds("--yes install '" + Download("ctf.zip") + "'");
    EXPECT_EQ(run.output, "Capture The Flag (CTF)\n");
    EXPECT_TRUE(Holds(run.errors, "not installed: baseq2/maps/q2ctf9.bsp\nnot installed: readme.txt\n"));
    EXPECT_EQ(ReadWholeFile(Quake("ctf/pak0.pak")), "PACK new");
    EXPECT_EQ(dir.Read("temp/readme.txt"), "read me");
    EXPECT_EQ(dir.Read("temp/baseq2/maps/q2ctf9.bsp"), "map");

    std::string damaged = BuildZip({ZipFile("ctf/pak0.pak", "PACK damaged")});
    SpoilChecksums(damaged);
    WriteWholeFile(Download("damaged.zip"), damaged);

    // One refused archive of several fails the command, whatever the others installed.
    const ProgramRun mixed = Run("--yes install '" + Download("ctf.zip") + "' '" + Download("damaged.zip") + "'");
    EXPECT_EQ(mixed.exitStatus, 1);
    EXPECT_EQ(mixed.output, "Capture The Flag (CTF)\n");
    EXPECT_TRUE(Holds(mixed.errors, "Couldn't extract archive correctly. (" + Download("damaged.zip") +
                                        ": the entry ctf/pak0.pak is damaged)"));
    EXPECT_EQ(Run("install '" + Download("ctf.zip") + "'").exitStatus, 1);
}

// A MOD the detection files do not know is installed under the name and directory given.
TEST_F(CliInstall, AnUnknownModTakesTheGivenNameAndDirectory) {
    const std::string rocket = Download("rocket.exe");
    WriteZip(rocket, {ZipFile("rocket/maps/r1.bsp", "map"), ZipFile("rocket/readme.txt", "hi")}, ProgramStub());
    const ProgramRun named = Succeeds("install '" + rocket + "' --name 'Rocket Arena' --dir rocket");
    EXPECT_EQ(named.output, "Rocket Arena (ROCKET)\n");
    EXPECT_EQ(ReadWholeFile(Quake("rocket/maps/r1.bsp")), "map");
    EXPECT_FALSE(dir.Exists("temp"));
    EXPECT_EQ(Run("install '" + rocket + "' --name Half").exitStatus, 2);
}

// An installed MOD's manifest is listed with each file's state; removing the MOD with its files
// keeps the changed ones and names them.
TEST_F(CliInstall, ModFilesListsTheManifestAndRemovalKeepsChangedFiles) {
    const std::string cfg = ReadWholeFile(Quake("arena/arena.cfg"));
    const std::string library = ReadWholeFile(Quake("arena/gamex86.dll"));
    fs::remove_all(Quake("arena"));
    WriteZip(Download("arena.zip"), {ZipFile("arena/arena.cfg", cfg), ZipFile("arena/gamex86.dll", library)});
    ASSERT_EQ(Run("--yes install '" + Download("arena.zip") + "'").exitStatus, 0);
    WriteWholeFile(Quake("arena/arena.cfg"), "my own settings");
    fs::remove(Quake("arena/gamex86.dll"));
    const ProgramRun listed = Succeeds("mod-files ARENA");
    EXPECT_EQ(listed.output, "arena/arena.cfg\t" + std::to_string(cfg.size()) + "\tchanged\narena/gamex86.dll\t" +
                                 std::to_string(library.size()) + "\tmissing\n");

    const ProgramRun removed = Succeeds("remove-mod arena --delete-files");
    EXPECT_TRUE(Holds(removed.errors, "kept, changed since the installation: arena/arena.cfg\n"));
    EXPECT_EQ(ReadWholeFile(Quake("arena/arena.cfg")), "my own settings");
    EXPECT_FALSE(dir.Exists("manifests/arena"));

    EXPECT_EQ(Run("mod-files ctf").exitStatus, 1);
    EXPECT_EQ(Run("mod-files").exitStatus, 2);
}

// A setup program is run with --yes only; the wait is announced only for a running one.
TEST_F(CliInstall, SetupProgramsRunOnlyWhenAnsweredYes) {
    const std::string setup = Download("setup.exe");
    WriteWholeFile(setup, "not a program anybody may run");
    const ProgramRun declined = Fails("install '" + setup + "'", "is not a ZIP- or SFX-File.");
    EXPECT_FALSE(Holds(declined.errors, "Couldn't exec file."));
    EXPECT_FALSE(Holds(declined.errors, "Waiting for the setup program"));

    const ProgramRun failed = Fails("--yes install '" + setup + "'", "Couldn't exec file. (possibly no InstallShield)");
    EXPECT_FALSE(Holds(failed.errors, "Waiting for the setup program..."));
    EXPECT_TRUE(fs::exists(setup));
}

}  // namespace
}  // namespace korvex
