#pragma once

#include "orvakit_export.h"

#include <QString>
#include <QVector>

// One column of an OrvaTableWidget, sizes at 96 DPI.
struct OrvaTableColumn
{
    QString name;
    // The initial width; for a proportional column also its minimum.
    int width = 0;
    // Whether the user may drag its border; only such a column can be proportional.
    bool resizable = false;
    // Its share of the width the other columns leave free; 0: not proportional.
    double ratio = 0.0;

    bool isProportional() const { return resizable && ratio != 0.0; }
};

// The columns of a table, described before the table is built.
class ORVAKIT_EXPORT OrvaTableColumnsInfo
{
public:
    // Appends a column and returns its index.
    int addColumn(const QString &name, int width, bool resizable, double ratio);

    const QVector<OrvaTableColumn> &getColumns() const { return columns; }

private:
    QVector<OrvaTableColumn> columns;
};
