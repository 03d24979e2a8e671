// Who made Korvex and what it is for.
#pragma once

#include <QWidget>

namespace korvex {

struct Korvex;

class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(Korvex& app, QWidget* parent = nullptr);
};

}  // namespace korvex
