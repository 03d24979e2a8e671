#include "app/AboutPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/GroupPage.h"

namespace korvex {

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(AddPageGroup(*this, QStringLiteral("About / Credits")));
    auto* title = new QLabel(QString::fromUtf8("Korvex v0.855\u00DF"));
    title->setStyleSheet(QStringLiteral("font-size: 22px; font-weight: bold;"));
    layout->addWidget(title);
    auto* text = new QLabel(QStringLiteral(
        "Korvex keeps your Quake II player configurations: key bindings built from small macros, the game's "
        "options, inheritance between configurations and extra console lines. It turns a configuration into "
        "Quake II console scripts, keeps a catalogue of your installed modifications, installs new ones, and "
        "starts the game with the modification and configuration you choose, putting the game's own config "
        "files back when you are done.\n\n"
        "Written by the Korvex developers. Quake II is a trademark of its owners; Korvex is not made or "
        "supported by them.\n\n"
        "Thanks to everyone who tried the early versions and sent in macros, bug reports and ideas."));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addStretch();
}

}  // namespace korvex
