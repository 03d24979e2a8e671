#include "players/ConfigEditorPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/GroupPage.h"
#include "app/Korvex.h"
#include "compiler/OptionsTab.h"
#include "macros/MacroBindingsWidget.h"
#include "players/ExchangeOperations.h"
#include "players/PlayerOperations.h"
#include "players/PrintPlayerCfg.h"
#include "players/SpecialTab.h"

namespace korvex {

ConfigEditorPage::ConfigEditorPage(Korvex& app, QWidget* parent)
    : QWidget(parent), app_(app), tabs_(new QTabWidget), bindings_(new MacroBindingsWidget(app)),
      options_(new OptionsTab(app)), special_(new SpecialTab(app)) {
    auto* layout = new QVBoxLayout(AddPageGroup(*this, QStringLiteral("Config-Editor")));
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->addTab(bindings_, QStringLiteral("Bindings"));
    tabs_->setTabToolTip(0, QStringLiteral("the macros this Player-CFG includes and the keys they are bound to"));
    tabs_->addTab(options_, QStringLiteral("Options"));
    tabs_->setTabToolTip(1, QStringLiteral("the game's options: general, video, sound, mouse, character and server"));
    tabs_->addTab(special_, QStringLiteral("Special"));
    tabs_->setTabToolTip(2, QStringLiteral("inheriting from another Player-CFG, and console commands of your own"));
    connect(tabs_, &QTabWidget::currentChanged, this, &ConfigEditorPage::TabControl1Change);
    layout->addWidget(tabs_, 1);

    auto* buttons = new QGridLayout;
    const struct {
        const char* caption;
        const char* name;
        const char* hint;
        void (*handler)(Korvex&);
    } captions[] = {
        {"Change Player-CFG", "ChangePlayerButton", "make another Player-CFG the current one; this one is saved first",
         BitBtn4Click},
        {"New Player-CFG", "NewPlayerButton", "create a new Player-CFG from the template", BitBtn7Click},
        {"Delete Player-CFG", "DeletePlayerButton", "delete Player-CFGs you no longer need", BitBtn5Click},
        {"Rename Player-CFG", "RenamePlayerButton", "give the current Player-CFG another name", BitBtn8Click},
        {"Copy Player-CFG", "CopyPlayerButton", "copy the current Player-CFG to a new or an existing one",
         BitBtn9Click},
        {"Print Player-CFG", "PrintPlayerButton", "print the current Player-CFG's bindings and options", BitBtn6Click},
        {"Import Player-CFG", "ImportPlayerButton", "take over a Player-CFG from an exchange file (.kxp)", BitBtn1Click},
        {"Export Player-CFG", "ExportPlayerButton", "save the current Player-CFG in an exchange file (.kxp) for others",
         BitBtn2Click}};
    int position = 0;
    for (const auto& [caption, name, hint, handler] : captions) {
        QPushButton* button = AddPlayerButton(QString::fromLatin1(caption), name, handler);
        button->setToolTip(QString::fromLatin1(hint));
        buttons->addWidget(button, position / 4, position % 4);
        ++position;
    }
    layout->addLayout(buttons);
}

QPushButton* ConfigEditorPage::AddPlayerButton(const QString& caption, const char* name, void (*handler)(Korvex&)) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    if (handler) connect(button, &QPushButton::clicked, this, [this, handler] { handler(app_); });
    return button;
}

void ConfigEditorPage::TabControl1Change(int index) { app_.view.editorTab = static_cast<EditorTab>(index); }

void ConfigEditorPage::SyncFromCore() {
    tabs_->setCurrentIndex(static_cast<int>(app_.view.editorTab));
    bindings_->SyncFromCore();
    options_->SyncFromCore();
    special_->SyncFromCore();
}

}  // namespace korvex
