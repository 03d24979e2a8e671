#include "app/OptionsPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/GroupPage.h"
#include "app/Korvex.h"
#include "app/QuakeLocation.h"
#include "app/TextCodec.h"

namespace korvex {
namespace {

const QString kConflictHint = QStringLiteral(
    "Check this to be notified in those cases. When notified you'll have the possibility of removing the "
    "conflicting function. Newbies to Korvex should leave this enabled.");

QVBoxLayout* AddGroup(QVBoxLayout* layout, const QString& title) {
    auto* group = new QGroupBox(title);
    layout->addWidget(group);
    return new QVBoxLayout(group);
}

}  // namespace

OptionsPage::OptionsPage(Korvex& app, QWidget* parent) : QWidget(parent), app_(app), quakeDir_(new QLineEdit) {
    auto* layout = new QVBoxLayout(AddPageGroup(*this, QStringLiteral("Options")));
    // The two lines of the introduction are wider than the page; they wrap as one text.
    auto* introduction = new QLabel(QStringLiteral(
        "As this program is intended to be as user-friendly as possible whereas being most efficiently you won't find many "
        "options, but these may be useful."));
    introduction->setWordWrap(true);
    layout->addWidget(introduction);

    QVBoxLayout* general = AddGroup(layout, QStringLiteral("General Options"));
    AddOption(general, "ShowHintsCheckBox", QStringLiteral("Show those bloody hints 'cos I'm a beginner"),
              QStringLiteral("when checked, Korvex will display a short hint on almost every item you can see"),
              &ProgramOptions::showHints);
    AddOption(general, "QuitKorvexAfterLaunchingCheckBox", QStringLiteral("Quit Korvex after launching Quake II"),
              QStringLiteral("when checked, Korvex will remove itself from memory when Quake II has been launched - "
                             "this will free some memory"),
              &ProgramOptions::quitAfterLaunching);

    QVBoxLayout* miscellaneous = AddGroup(layout, QStringLiteral("Miscellaneous"));
    AddOption(miscellaneous, "CheckForMultipleFuntionsBoundToOneKeyWithinOneCFGCheckBox",
              QStringLiteral("Warn, if within one player-cfg multiple funtions are bound to one key"), kConflictHint,
              &ProgramOptions::warnMultipleFunctionsWithinCfg);
    AddOption(miscellaneous, "CheckForMultipleFuntionsBoundToOneKeyDuringInheritanceCheckBox",
              QStringLiteral("Warn, if because of inheritance multiple funtions are bound to one key"), kConflictHint,
              &ProgramOptions::warnMultipleFunctionsByInheritance);

    auto* quake = new QHBoxLayout;
    AddGroup(layout, QStringLiteral("Quake II directory"))->addLayout(quake);
    quakeDir_->setObjectName(QStringLiteral("QuakeDirEdit"));
    quakeDir_->setReadOnly(true);
    quakeDir_->setPlaceholderText(QStringLiteral("none chosen yet"));
    quakeDir_->setToolTip(QStringLiteral("the directory of the game Korvex launches and installs MODs into"));
    quake->addWidget(quakeDir_, 1);
    auto* browse = new QPushButton(QStringLiteral("Browse..."));
    browse->setObjectName(QStringLiteral("ChangeQuakeDirButton"));
    browse->setToolTip(QStringLiteral("choose the directory that holds Quake II"));
    connect(browse, &QPushButton::clicked, this, [this] {
        ChangeQuakeDirButtonClick(app_);
        SyncFromCore();
    });
    quake->addWidget(browse);
    layout->addStretch();
    SyncFromCore();
}

void OptionsPage::AddOption(QLayout* group, const char* name, const QString& caption, const QString& hint,
                            bool ProgramOptions::*option) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    connect(box, &QCheckBox::toggled, this, [this, option](bool checked) { app_.options.*option = checked; });
    group->addWidget(box);
    checkBoxes_.push_back({box, option});
}

void OptionsPage::SyncFromCore() {
    for (const auto& [box, option] : checkBoxes_) box->setChecked(app_.options.*option);
    quakeDir_->setText(ToQString(app_.paths.quakeDir));
}

}  // namespace korvex
