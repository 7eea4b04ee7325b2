#pragma once

#include <QString>

// One text in the footer of a paging bar. `width` is a design width in
// pixels at 96 DPI; 0 lets the text take its natural width.
struct PagingFooterInfo
{
    QString text;
    int width = 0;
};
