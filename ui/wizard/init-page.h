#pragma once

#include <QWidget>

// The first page: shown until the service has answered, and again while it
// cannot be reached.
class InitPage : public QWidget
{
    Q_OBJECT
public:
    explicit InitPage(QWidget *parent = nullptr);
};
