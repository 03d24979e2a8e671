#include "mods/EditModOptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/SmallDialog.h"
#include "app/TextCodec.h"
#include "mods/ModDialogs.h"
#include "mods/PlayerCfgList.h"

namespace korvex {
namespace {

const char* const kMenus[] = {"no Menu",
                              "Main Menu",
                              "Single Player Main Menu",
                              "Single Player Load Game",
                              "Multiplayer Main Menu",
                              "Multiplayer Join Server",
                              "Multiplayer Start Server"};

QCheckBox* AddCheckBox(QVBoxLayout& layout, const QString& caption, const char* name, const QString& hint, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    box->setChecked(checked);
    layout.addWidget(box);
    return box;
}

}  // namespace

EditModOptionsDialog::EditModOptionsDialog(const EditModOptionsRequest& request, QWidget* parent)
    : QDialog(parent), request_(request) {
    SetUpDialog(*this, request.caption);
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildPlayerCfgGroup());
    columns->addWidget(BuildOptionsGroup());
    layout->addLayout(columns);
    layout->addWidget(BuildAdditionalGroup());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* buttons = new QHBoxLayout;
    advanced_ = AddButton(*buttons, QStringLiteral("Advanced >>"), "ShowHideAdditionalGroupBoxButton",
                          QStringLiteral("show or hide the command line parameters and the lines for the config"));
    QPushButton* readme = AddButton(*buttons, QStringLiteral("View Readme"), "ViewReadmeButton",
                                    QStringLiteral("open a read-me of this MOD with its viewer"));
    buttons->addStretch();
    QPushButton* ok = AddButton(*buttons, QStringLiteral("OK"), "OKButton", QStringLiteral("keep these settings"));
    ok->setDefault(true);
    QPushButton* cancel = AddButton(*buttons, QStringLiteral("Cancel"), "CancelButton",
                                    QStringLiteral("close this window without changing anything"));
    layout->addLayout(buttons);
    connect(advanced_, &QPushButton::clicked, this, [this] { ShowAdditionalParameters(additional_->isHidden()); });
    connect(readme, &QPushButton::clicked, this, &EditModOptionsDialog::ChooseReadme);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* EditModOptionsDialog::BuildPlayerCfgGroup() {
    auto* group = new QGroupBox(QStringLiteral("Player-CFGs for current Modification"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Player-CFGs available")));
    players_ = new QListWidget;
    players_->setObjectName(QStringLiteral("PlayerCFGListBox"));
    players_->setToolTip(QStringLiteral("the Player-CFGs you can launch this MOD with"));
    players_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    players_->setSortingEnabled(true);
    AddPlayerCfgItems(*players_, request_.entry.playerCfgs);
    layout->addWidget(players_);
    QPushButton* add = AddButton(*layout, QStringLiteral("&Add a Player-CFG"), "AddCFGButton",
                                 QStringLiteral("choose Player-CFGs to use with this MOD"));
    QPushButton* remove = AddButton(*layout, QStringLiteral("&Remove Player-CFG"), "RemoveCFGButton",
                                    QStringLiteral("take the selected Player-CFGs away from this MOD"));
    connect(add, &QPushButton::clicked, this, [this] { AddPlayerCfgs(RunAddPlayerCfgDialog(request_.availablePlayers)); });
    connect(remove, &QPushButton::clicked, this, [this] { qDeleteAll(players_->selectedItems()); });
    return group;
}

QWidget* EditModOptionsDialog::BuildOptionsGroup() {
    const ModEntry& entry = request_.entry;
    auto* group = new QGroupBox(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(group);

    auto* general = new QGroupBox(QStringLiteral("&General Settings"));
    auto* generalLayout = new QVBoxLayout(general);
    disableDemo_ = AddCheckBox(*generalLayout, QStringLiteral("disable demo loading on startup"), "disableDemoCheckBox",
                               QStringLiteral("when checked, Quake II opens the console instead of playing its demos"),
                               entry.disableDemo);
    deathmatch_ = AddCheckBox(*generalLayout, QStringLiteral("deathmatch"), "enableDeathmatchCheckBox",
                              QStringLiteral("when checked, Quake II starts with deathmatch on"), entry.deathmatch);
    layout->addWidget(general);

    auto* map = new QGroupBox(QStringLiteral("&Map to load"));
    auto* mapLayout = new QVBoxLayout(map);
    mapLayout->addWidget(new QLabel(QStringLiteral("Name")));
    mapName_ = new QLineEdit(ToQString(entry.mapName));
    mapName_->setObjectName(QStringLiteral("MapNameEdit"));
    mapName_->setToolTip(QStringLiteral("the map Quake II loads at start, without its extension; empty for none"));
    mapLayout->addWidget(mapName_);
    QPushButton* browse = AddButton(*mapLayout, QStringLiteral("&Browse maps-directory"), "BrowseMapDirButton",
                                    QStringLiteral("choose the map from the MOD's maps directory"));
    connect(browse, &QPushButton::clicked, this, &EditModOptionsDialog::BrowseMaps);
    layout->addWidget(map);

    auto* menu = new QGroupBox(QStringLiteral("Menu on &Startup"));
    menu->setObjectName(QStringLiteral("MenuOnStartupRadioGroupBox"));
    auto* menuLayout = new QVBoxLayout(menu);
    menu_ = new QButtonGroup(this);
    for (int index = 0; index < 7; ++index) {
        auto* button = new QRadioButton(QString::fromLatin1(kMenus[index]));
        button->setToolTip(QStringLiteral("the menu Quake II opens at start"));
        button->setChecked(index == entry.menuOnStartup);
        menu_->addButton(button, index);
        menuLayout->addWidget(button);
    }
    layout->addWidget(menu);
    return group;
}

QWidget* EditModOptionsDialog::BuildAdditionalGroup() {
    additional_ = new QGroupBox(QStringLiteral("Additional  parameters"));
    additional_->setObjectName(QStringLiteral("AdditionalGroupBox"));
    auto* layout = new QVBoxLayout(additional_);
    layout->addWidget(new QLabel(QStringLiteral("Command Line Parameters")));
    parameters_ = new QLineEdit(ToQString(request_.entry.commandLineParameters));
    parameters_->setObjectName(QStringLiteral("ParametersEdit"));
    parameters_->setToolTip(QStringLiteral("text added to Quake II's command line, e.g. +set cheats 1"));
    layout->addWidget(parameters_);
    layout->addWidget(new QLabel(QStringLiteral("Lines to include in config")));
    configLines_ = new QPlainTextEdit;
    configLines_->setObjectName(QStringLiteral("AddLinesForCfgMemo"));
    configLines_->setToolTip(QStringLiteral("console lines written into the MOD's autoexec.cfg at every launch"));
    configLines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    for (const std::string& line : request_.entry.configLines) configLines_->appendPlainText(ToQString(line));
    configLines_->setFixedHeight(configLines_->fontMetrics().lineSpacing() * 4 + 8);
    layout->addWidget(configLines_);
    additional_->hide();
    return additional_;
}

void EditModOptionsDialog::AddPlayerCfgs(const std::vector<std::string>& names) {
    AddPlayerCfgItems(*players_, names);
}

// The dialog grows or shrinks around its centre, so the additional group stays on the screen.
void EditModOptionsDialog::ShowAdditionalParameters(bool shown) {
    const int centre = geometry().center().y();
    additional_->setVisible(shown);
    advanced_->setText(shown ? QStringLiteral("<< Hide") : QStringLiteral("Advanced >>"));
    layout()->activate();
    move(x(), centre - height() / 2);
}

// Closing always leaves the dialog with its additional group hidden.
void EditModOptionsDialog::done(int result) {
    QDialog::done(result);
    if (!additional_->isHidden()) ShowAdditionalParameters(false);
}

void EditModOptionsDialog::BrowseMaps() {
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Select a map"),
                                                      ToQString(request_.mapsDirectory),
                                                      QStringLiteral("Quake II - Maps (*.bsp *.BSP)"));
    if (!file.isEmpty()) mapName_->setText(ToQString(MapNameOfFile(FromQString(QFileInfo(file).fileName()))));
}

void EditModOptionsDialog::ChooseReadme() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("View Readme"), ToQString(request_.readmeDirectory),
        QStringLiteral("Documentations and Manuals (*.TXT *.DOC *.HTML *.HTM *.RTF *.PDF *.txt *.doc *.html *.htm "
                       "*.rtf *.pdf)"));
    if (!file.isEmpty() && request_.viewReadme) request_.viewReadme(FromQString(file));
}

EditModOptionsAnswer EditModOptionsDialog::Answer() const {
    EditModOptionsAnswer answer;
    answer.confirmed = result() == QDialog::Accepted;
    answer.entry = request_.entry;
    ModEntry& entry = answer.entry;
    entry.playerCfgs.clear();
    for (int row = 0; row < players_->count(); ++row) entry.playerCfgs.push_back(FromQString(players_->item(row)->text()));
    entry.disableDemo = disableDemo_->isChecked();
    entry.deathmatch = deathmatch_->isChecked();
    entry.mapName = FromQString(mapName_->text());
    entry.commandLineParameters = FromQString(parameters_->text());
    entry.menuOnStartup = menu_->checkedId() < 0 ? request_.entry.menuOnStartup : menu_->checkedId();
    entry.configLines.clear();
    const QString text = configLines_->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n'))) entry.configLines.push_back(FromQString(line));
    return answer;
}

}  // namespace korvex
