#pragma once

#include "sim-options.h"

#include <QByteArray>

class SimulatedService;

// The simulator's answer to one request payload: the service's reply as
// compact JSON text, bent as the options' faults ask. A payload that is not a
// JSON request is answered like any other invalid request.
QByteArray simReply(SimulatedService &service, const SimOptions &options, const QByteArray &request);
