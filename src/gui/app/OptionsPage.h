// The program options: hints, quitting after the launch, the two key-conflict warnings and the
// Quake II directory.
#pragma once

#include <QWidget>
#include <vector>

#include "app/ProgramOptions.h"

class QCheckBox;
class QLineEdit;
class QLayout;

namespace korvex {

struct Korvex;

class OptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPage(Korvex& app, QWidget* parent = nullptr);
    void SyncFromCore();

private:
    struct BoundCheckBox {
        QCheckBox* box;
        bool ProgramOptions::*option;
    };
    void AddOption(QLayout* group, const char* name, const QString& caption, const QString& hint,
                   bool ProgramOptions::*option);

    Korvex& app_;
    std::vector<BoundCheckBox> checkBoxes_;
    QLineEdit* quakeDir_;
};

}  // namespace korvex
