#pragma once

#include "orvakit_export.h"
#include "sheets/msg-box-custom-btn-text.h"

#include <QString>

class QWidget;

// One-call messages. With a parent widget the message runs as a sheet on a
// dimming mask over the parent's window; without one it runs as a plain
// message box, the only place `title` is shown. `showIcon` false leaves the
// icon out. The confirm functions return Apply (33554432) when the user
// confirms; callers test for exactly that.

ORVAKIT_EXPORT void showInfoMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon = true);
ORVAKIT_EXPORT void showWarningMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon = true);
ORVAKIT_EXPORT void showWarningMsg(const QString &title, const QString &text, const QString &informativeText,
                                   QWidget *parent, bool showIcon = true);
ORVAKIT_EXPORT void showUpgradingMsg(const QString &title, const QString &text, QWidget *parent,
                                     bool showIcon = true);
ORVAKIT_EXPORT int showConfirmMsg(const QString &title, const QString &text, QWidget *parent, bool showIcon = true);
ORVAKIT_EXPORT int showConfirmMsgCustomBtn(const QString &title, const QString &text,
                                           const MsgBoxCustomBtnText &captions, QWidget *parent,
                                           bool showIcon = true);
