#include "widgets/file-system-tree-widget-item.h"

namespace {

bool isHome(const QTreeWidgetItem &item)
{
    const auto *node = dynamic_cast<const FileSystemTreeWidgetItem *>(&item);
    return node && node->getPath() == QLatin1String("home");
}

} // namespace

FileSystemTreeWidgetItem::FileSystemTreeWidgetItem(QTreeWidget *parent)
    : QTreeWidgetItem(parent)
{
}

FileSystemTreeWidgetItem::FileSystemTreeWidgetItem(QTreeWidgetItem *parent)
    : QTreeWidgetItem(parent)
{
}

// Both directions must agree for the sort to be reliable: "home" is less
// than every other node, and no node is less than "home".
bool FileSystemTreeWidgetItem::operator<(const QTreeWidgetItem &other) const
{
    if (isHome(other))
        return false;
    if (isHome(*this))
        return true;
    return QTreeWidgetItem::operator<(other);
}
