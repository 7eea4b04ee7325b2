#pragma once

#include "services/dpi-info.h"

// Sets the DPI factor for one test function and restores 1.0 after it.
class DpiFactor
{
public:
    explicit DpiFactor(double factor) { DPIinfo::getInstance().setDPI(factor); }
    ~DpiFactor() { DPIinfo::getInstance().setDPI(1.0); }
    DpiFactor(const DpiFactor &) = delete;
    DpiFactor &operator=(const DpiFactor &) = delete;
};
