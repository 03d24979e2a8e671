#include "MacroTestSupport.h"

#include <sys/stat.h>

#include <filesystem>
#include <random>

namespace korvex {
namespace {

using E = std::vector<std::string>;

// Pieces of the language mixed with noise, so that the random files reach deep into the
// statements instead of failing at the first keyword.
const std::vector<std::string> kPieces = {
    "MACRO_DESC ", "MACRO_CAT ", "MACRO_DETAILDESC ", "IF ", "FI", "GOTO ", "GOTOIF ", "LABEL ", "INPUTFIELD ",
    "TEXT ", "INPUTCOMBO ", "NECESSARY_KEY ", "INPUTMODE", "ASSIGN ", "CONCAT ", "TAN ", "ADD ", "MULT ", "DIV ",
    "REAL2INT ", "QUAKE_COMMAND ", "SHOWMESSAGE ", "\"", "\"a\" ", "\"=\" ", "\"<>\" ", "&", "&1&", "&2", "&&",
    "1 ", "0 ", "-5 ", "1e308 ", "99 ", "150 ", "300 ", "//", "\t", " ", "^", std::string(1, '\0'), "\r", "\n",
    "\r\n", "\xFF", "\x80", "1.5 ", "x"};

std::string RandomMacro(std::mt19937& random) {
    std::string text;
    const int pieces = std::uniform_int_distribution<int>(0, 120)(random);
    for (int i = 0; i < pieces; ++i) {
        if (random() % 8 == 0) text += static_cast<char>(random() % 256);
        else text += kPieces[random() % kPieces.size()];
    }
    if (random() % 10 == 0) text += std::string(random() % 2000, 'z');
    return text;
}

TEST_F(MacroTest, AnyBytesEndInAResultOrAMacroLanguageError) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        Variable(1) = round % 3 == 0 ? "&2&" : "1";
        Variable(2) = round % 3 == 0 ? "&1&" : "";
        dir.Write("macros/T.MAC", RandomMacro(random));
        RunMacro(run(), PathOf("T.MAC"), round % 2 == 0);
        for (int ok = 0; app().interpreter.MacroSuspended && ok < 100; ++ok) {
            if (!app().interpreter.dialog.inputFields.empty())
                TypeIntoInputField(app().report, app().interpreter, 0, "&1&//\"");
            Button1Click(run());
        }
        EXPECT_FALSE(app().interpreter.MacroSuspended);
        for (const ShownBox& box : host().boxes)
            EXPECT_TRUE(box.text.rfind("MacroLanguage Error (", 0) == 0 || box.buttons == Buttons::Ok);
        host().boxes.clear();
        host().posted.clear();
    }
}

// A pipe would block the program at its opening, a device could be read without end.
TEST_F(MacroTest, APipeOrDirectoryNamedLikeAMacroIsNotFound) {
    ASSERT_EQ(::mkfifo(PathOf("PIPE.MAC").c_str(), 0600), 0);
    std::filesystem::create_directories(PathOf("DIR.MAC"));
    RunMacro(run(), PathOf("PIPE.MAC"), true);
    RunMacro(run(), PathOf("DIR.MAC"), true);
    EXPECT_EQ(Boxes(), (E{ComposeMacroLanguageError(0, PathOf("PIPE.MAC"), "File not found"),
                          ComposeMacroLanguageError(0, PathOf("DIR.MAC"), "File not found")}));
}

}  // namespace
}  // namespace korvex
