#pragma once

#include "orvakit_export.h"

#include "widgets/orva-combo-box.h"

#include <string>

// A combo box for a time of day ("09:30") from a list the caller fills.
// When editable it also takes a typed time: on Return or when the box loses
// the focus the text is completed ("9" to "09:00", "7:" to "07:00",
// "9:3" to "09:03") and the matching entry selected, or, when none matches,
// the time is shown in a custom row reserved at the top of the list.
class ORVAKIT_EXPORT OrvaTimeComboBox : public OrvaComboBox
{
    Q_OBJECT
public:
    explicit OrvaTimeComboBox(QWidget *parent = nullptr);

    // Switching on reserves the custom row (hidden until used) and limits
    // typing to times; switching off removes the row again.
    void setEditable(bool editable);
    // Selects the entry of `text` (UTF-8); an editable box shows an unknown
    // time in the custom row, a fixed one selects its first row.
    void setCurrentText(const std::string &text);
    // The row chosen when the user clears the text; chosen like setCurrentText.
    void setDefault(const std::string &text);
    // Written after the time in the custom row, from its next filling.
    void setCustomText(const QString &text);
    // The number of rows the user sees at most; the hidden custom row does
    // not count.
    void setMaxVisibleItems(int count);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setItemVisible(bool visible);
    void adjustMaxVisibleItems();
    void correctTime();

    // The row a time is shown in when no entry matches; only exists while editable.
    bool hasCustomRow() const;
    void fillCustomRow(const QString &time);
    // Row of the entry showing exactly `time`, or -1.
    int findTime(const QString &time) const;
    // The common part of setCurrentText and setDefault.
    int rowForText(const std::string &text);

    int customIndex = 0;
    int defaultIndex = 0;
    int maxVisible = 0;
    QString customText;
};
