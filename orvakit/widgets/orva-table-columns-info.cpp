#include "widgets/orva-table-columns-info.h"

int OrvaTableColumnsInfo::addColumn(const QString &name, int width, bool resizable, double ratio)
{
    columns.append({name, width, resizable, ratio});
    return columns.size() - 1;
}
