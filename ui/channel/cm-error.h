#pragma once

#include <QMetaType>

// The result of one exchange with the local service. Only cmParseFailed and
// cmAccessDenied travel as failures; cmUnavailable is reported on its own and
// cmNoError with the reply.
enum cmError : qint32 {
    cmNoError = 0,
    cmParseFailed = 1,
    cmAccessDenied = 2,
    cmUnavailable = 3,
};

Q_DECLARE_METATYPE(cmError)
