#include "sheets/dialog-button-box-style.h"

#include <QDialogButtonBox>

int DialogButtonBoxStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                    QStyleHintReturn *returnData) const
{
    if (hint == QStyle::SH_DialogButtonLayout)
        return QDialogButtonBox::WinLayout;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
