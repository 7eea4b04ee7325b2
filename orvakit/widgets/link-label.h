#pragma once

#include "orvakit_export.h"
#include "widgets/clickable-label.h"

// A clickable label that looks like a hyperlink under the mouse: a pointing
// hand and, unless switched off, underlined text. The link itself is only
// kept for the caller, who opens it on clicked().
class ORVAKIT_EXPORT LinkLabel : public ClickableLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text = QString(), QLabel *parent = nullptr);
    ~LinkLabel() override;

    void setHyperLink(const QString &link);
    QString getHyperLink() const;

    void setHoverUnderline(bool underline);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void beginHover();
    void endHover();

    bool hoverUnderline = true;
    QString hyperLink;
    // The application's override cursor is a stack shared by everyone: pop
    // exactly what this label pushed, however enabling and hovering interleave.
    bool cursorPushed = false;
};
