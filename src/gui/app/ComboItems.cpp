#include "app/ComboItems.h"

#include <QComboBox>

#include "app/TextCodec.h"

namespace korvex {

void ShowComboItems(QComboBox& combo, const std::vector<std::string>& items) {
    const QStringList wanted = ToQStringList(items);
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
    if (shown == wanted) return;
    combo.clear();
    combo.addItems(wanted);
}

}  // namespace korvex
