#include "app/GroupPage.h"

#include <QVBoxLayout>

namespace korvex {

QGroupBox* AddPageGroup(QWidget& page, const QString& title) {
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(8, 8, 8, 0);
    auto* group = new QGroupBox(title, &page);
    layout->addWidget(group);
    return group;
}

}  // namespace korvex
