#include "services/accessible-list.h"

#include <QWidget>

AccessibleFilter::AccessibleFilter(const QList<QWidget *> &filterWidgets, Qt::FocusPolicy focusLevel)
    : m_filterWidgets(filterWidgets)
    , m_focusLevel(focusLevel)
{
}

bool AccessibleFilter::accepts(const QWidget *widget) const
{
    return int(widget->focusPolicy()) >= int(m_focusLevel)
        && !m_filterWidgets.contains(const_cast<QWidget *>(widget));
}

QList<QWidget *> accessibleList(QWidget *root, AccessibleFilter filter)
{
    QList<QWidget *> result;
    if (!root || !root->isVisible())
        return result;
    if (filter.accepts(root))
        result << root;
    for (QObject *child : root->children()) {
        if (child->isWidgetType())
            result << accessibleList(static_cast<QWidget *>(child), filter);
    }
    return result;
}

QList<QWidget *> accessibleList(QWidget *root, QList<QWidget *> leaveOut)
{
    // Tab focus is the weakest policy above NoFocus, so this level admits any
    // widget that takes focus at all.
    return accessibleList(root, AccessibleFilter(leaveOut, Qt::TabFocus));
}

void adjustFocusPolicy(Qt::FocusPolicy policy, QList<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->setFocusPolicy(policy);
}
