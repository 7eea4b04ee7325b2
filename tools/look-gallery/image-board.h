#pragma once

#include <QStringList>

class QWidget;

// Every image of the registry beside its name, each state it is drawn in on
// a chequered tile so that white and translucent parts show.
QWidget *createImageBoard(const QStringList &names);
