// Who made Korvex and what it is for.
#pragma once

#include <QWidget>

namespace korvex {

class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

signals:
    void HandbookRequested();
};

}  // namespace korvex
