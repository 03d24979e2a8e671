#include "players/ConfigEditorPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/GroupPage.h"
#include "app/Korvex.h"

namespace korvex {

ConfigEditorPage::ConfigEditorPage(Korvex& app, QWidget* parent)
    : QWidget(parent), app_(app), tabs_(new QTabWidget) {
    auto* layout = new QVBoxLayout(AddPageGroup(*this, QStringLiteral("Config-Editor")));
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->addTab(new QWidget, QStringLiteral("Bindings"));
    tabs_->addTab(new QWidget, QStringLiteral("Options"));
    tabs_->addTab(new QWidget, QStringLiteral("Special"));
    connect(tabs_, &QTabWidget::currentChanged, this, &ConfigEditorPage::TabControl1Change);
    layout->addWidget(tabs_, 1);

    auto* buttons = new QGridLayout;
    const std::pair<const char*, const char*> captions[] = {
        {"Change Player-CFG", "ChangePlayerButton"}, {"New Player-CFG", "NewPlayerButton"},
        {"Delete Player-CFG", "DeletePlayerButton"}, {"Rename Player-CFG", "RenamePlayerButton"},
        {"Copy Player-CFG", "CopyPlayerButton"},     {"Print Player-CFG", "PrintPlayerButton"},
        {"Import Player-CFG", "ImportPlayerButton"}, {"Export Player-CFG", "ExportPlayerButton"}};
    int position = 0;
    for (const auto& [caption, name] : captions) {
        buttons->addWidget(AddPlayerButton(QString::fromLatin1(caption), name), position / 4, position % 4);
        ++position;
    }
    layout->addLayout(buttons);
}

QPushButton* ConfigEditorPage::AddPlayerButton(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void ConfigEditorPage::TabControl1Change(int index) { app_.view.editorTab = static_cast<EditorTab>(index); }

void ConfigEditorPage::SyncFromCore() { tabs_->setCurrentIndex(static_cast<int>(app_.view.editorTab)); }

}  // namespace korvex
