#pragma once

#include <QString>

#include <string>

// A service time stamp (decimal seconds since 1970-01-01 00:00 UTC) as local
// time, "yyyy.MM.dd hh:mm:ss" in the default locale. Leading white space and
// a sign are accepted and trailing characters ignored; of the value only the
// low 32 bits count, as unsigned seconds. Text without digits, or a value
// outside the signed 64-bit range, gives a null string.
QString formatServiceTime(const std::string &seconds);
