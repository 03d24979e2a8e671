#include "app/AboutPage.h"

#include <QLabel>
#include <QPushButton>
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

    auto* handbook = new QLabel(QStringLiteral("The handbook leads you from the first start to a launch, describes every "
                                               "page and dialog and the macro language, and says what to do when "
                                               "something fails. Press F1 in the main window to open it; it is "
                                               "docs/handbook.md in Korvex's program directory."));
    handbook->setWordWrap(true);
    layout->addWidget(handbook);
    auto* open = new QPushButton(QStringLiteral("Open the Handbook (F1)"));
    open->setObjectName(QStringLiteral("HandbookButton"));
    open->setToolTip(QStringLiteral("opens the handbook in a window of its own"));
    connect(open, &QPushButton::clicked, this, &AboutPage::HandbookRequested);
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addStretch();
}

}  // namespace korvex
