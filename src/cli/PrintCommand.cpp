#include <dlfcn.h>

#include <iostream>
#include <memory>

#include "app/Korvex.h"
#include "app/StartUp.h"
#include "cli/CliCommands.h"
#include "cli/PdfCanvasModule.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "players/PrintPlayerCfg.h"

namespace korvex {
namespace {

// The PDF file from its module; none, after a message, when the module cannot be loaded. The
// module stays loaded until korvex-cli ends, as Qt's libraries expect.
std::unique_ptr<PrintCanvas> OpenPdfCanvas(const CliContext& context, const std::string& path,
                                           const std::string& title) {
    const std::string module = JoinPath(ParentDirectory(context.executableDir), kPdfCanvasModule);
    void* handle = ::dlopen(NativePath(module).c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = handle ? ::dlsym(handle, kOpenPdfCanvasName) : nullptr;
    if (!entry) {
        std::cerr << "korvex-cli cannot write PDF files: " << ::dlerror() << '\n';
        return nullptr;
    }
    const auto open = reinterpret_cast<decltype(&KorvexOpenPdfCanvas)>(entry);
    return std::unique_ptr<PrintCanvas>(open(path.c_str(), title.c_str()));
}

}  // namespace

// The listing of "Print Player-CFG", written to a PDF file.
int RunPrint(CliContext& context) {
    if (context.args.size() != 2) {
        std::cerr << "usage: korvex-cli print PLAYER FILE.pdf\n";
        return 2;
    }
    std::string player;
    if (!PrepareCompile(context, context.args[0], player)) return 1;
    // The print compiles as the window does, saving the current Player-CFG first.
    LoadLastPlayer(context.app);
    if (context.app.report.shuttingDown) return 1;
    const std::unique_ptr<PrintCanvas> canvas = OpenPdfCanvas(context, context.args[1], "Korvex - " + player);
    if (!canvas) return 1;
    return PrintPlayerConfig(context.app, player, *canvas) ? ExitStatus(context) : 1;
}

}  // namespace korvex
