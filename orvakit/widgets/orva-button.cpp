#include "widgets/orva-button.h"

#include "services/style-manager.h"

namespace {

const char *styleKey(int kind)
{
    switch (kind) {
    case OrvaButton::Apply:
        return "component.apply_button";
    case OrvaButton::Cancel:
        return "component.cancel_button";
    case OrvaButton::SelectedPage:
        return "component.select_paging_button";
    case OrvaButton::UnselectedPage:
        return "component.nonselect_paging_button";
    case OrvaButton::Default:
        return "component.default_button";
    case OrvaButton::Red:
        return "component.red_button";
    default:
        return nullptr;
    }
}

} // namespace

OrvaButton::OrvaButton(const QString &text, int kind)
    : QPushButton(text)
{
    setFlat(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (const char *key = styleKey(kind))
        setStyleSheet(getStyleSheet(key, false));
}
