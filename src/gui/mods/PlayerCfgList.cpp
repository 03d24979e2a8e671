#include "mods/PlayerCfgList.h"

#include <QListWidget>

#include "app/TextCodec.h"
#include "platform/ListOrder.h"

namespace korvex {
namespace {

class ListBoxItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return ListBoxLess(FromQString(text()), FromQString(other.text()));
    }
};

}  // namespace

void AddPlayerCfgItems(QListWidget& list, const std::vector<std::string>& names) {
    for (const std::string& name : names) list.addItem(new ListBoxItem(ToQString(name)));
}

}  // namespace korvex
