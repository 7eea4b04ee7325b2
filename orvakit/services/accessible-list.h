#pragma once

#include "orvakit_export.h"

#include <QList>
#include <Qt>

class QWidget;

// Which widgets accessibleList() leaves out: the filter widgets themselves
// (not their children), and widgets whose focus policy is below the level.
class ORVAKIT_EXPORT AccessibleFilter
{
public:
    AccessibleFilter() = default;
    AccessibleFilter(const QList<QWidget *> &filterWidgets, Qt::FocusPolicy focusLevel);

    Qt::FocusPolicy focusLevel() const { return m_focusLevel; }
    void setFocusLevel(Qt::FocusPolicy level) { m_focusLevel = level; }

    const QList<QWidget *> &filterWidgets() const { return m_filterWidgets; }
    void setFilterWidgets(const QList<QWidget *> &widgets) { m_filterWidgets = widgets; }

    // Whether `widget` belongs in the list (its visibility is not looked at).
    bool accepts(const QWidget *widget) const;

private:
    QList<QWidget *> m_filterWidgets;
    Qt::FocusPolicy m_focusLevel = Qt::NoFocus;
};

// The visible widgets of the tree under `root` that pass the filter, parents
// before children in creation order (not tab order). A hidden widget hides
// its whole subtree.
ORVAKIT_EXPORT QList<QWidget *> accessibleList(QWidget *root, AccessibleFilter filter);
// The same, listing every widget that takes focus at all, except `leaveOut`.
ORVAKIT_EXPORT QList<QWidget *> accessibleList(QWidget *root, QList<QWidget *> leaveOut);

ORVAKIT_EXPORT void adjustFocusPolicy(Qt::FocusPolicy policy, QList<QWidget *> widgets);
