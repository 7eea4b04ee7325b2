#pragma once

#include "orvakit_export.h"

#include <QString>
#include <QTreeWidgetItem>

// A folder node of a file-system tree. It carries the caller's path,
// identifiers and flags; the library itself reads only the path, to sort the
// "home" node first. Every item of a tree sorted this way is of this kind.
class ORVAKIT_EXPORT FileSystemTreeWidgetItem : public QTreeWidgetItem
{
public:
    // Values are the caller's; any number of the underlying type is valid.
    enum ItemStatus : int { NoStatus = 0 };

    FileSystemTreeWidgetItem() = default;
    explicit FileSystemTreeWidgetItem(QTreeWidget *parent);
    explicit FileSystemTreeWidgetItem(QTreeWidgetItem *parent);

    const QString &getPath() const { return path; }
    void setPath(const QString &value) { path = value; }
    quint64 getBelongViewId() const { return belongViewId; }
    void setBelongViewId(quint64 value) { belongViewId = value; }
    quint64 getNodeId() const { return nodeId; }
    void setNodeId(quint64 value) { nodeId = value; }
    bool isFake() const { return fake; }
    void setFake(bool value) { fake = value; }
    bool isRemoved() const { return removed; }
    void setRemoved(bool value) { removed = value; }
    bool getRO() const { return ro; }
    void setRO(bool value) { ro = value; }
    bool isFakeChildExist() const { return fakeChildExist; }
    void setFakeChildExist(bool value) { fakeChildExist = value; }
    ItemStatus getTreeWidgetItemStatus() const { return status; }
    void setTreeWidgetItemStatus(ItemStatus value) { status = value; }

    // "home" before everything else, the rest by the column's text.
    bool operator<(const QTreeWidgetItem &other) const override;

private:
    QString path;
    quint64 belongViewId = 0;
    quint64 nodeId = 0;
    bool fake = false;
    bool removed = false;
    bool ro = false;
    bool fakeChildExist = false;
    ItemStatus status = NoStatus;
};
