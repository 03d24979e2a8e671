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
    tabs_->addTab(options_, QStringLiteral("Options"));
    tabs_->addTab(special_, QStringLiteral("Special"));
    connect(tabs_, &QTabWidget::currentChanged, this, &ConfigEditorPage::TabControl1Change);
    layout->addWidget(tabs_, 1);

    auto* buttons = new QGridLayout;
    const struct {
        const char* caption;
        const char* name;
        void (*handler)(Korvex&);
    } captions[] = {
        {"Change Player-CFG", "ChangePlayerButton", BitBtn4Click}, {"New Player-CFG", "NewPlayerButton", BitBtn7Click},
        {"Delete Player-CFG", "DeletePlayerButton", BitBtn5Click}, {"Rename Player-CFG", "RenamePlayerButton", BitBtn8Click},
        {"Copy Player-CFG", "CopyPlayerButton", BitBtn9Click},     {"Print Player-CFG", "PrintPlayerButton", BitBtn6Click},
        {"Import Player-CFG", "ImportPlayerButton", BitBtn1Click}, {"Export Player-CFG", "ExportPlayerButton", BitBtn2Click}};
    int position = 0;
    for (const auto& [caption, name, handler] : captions) {
        buttons->addWidget(AddPlayerButton(QString::fromLatin1(caption), name, handler), position / 4, position % 4);
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
