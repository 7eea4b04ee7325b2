#pragma once

#include "orvakit_export.h"

#include <QString>

// Turns design sizes (pixels at 96 DPI) into screen sizes. The primary
// screen is measured once, on first use; later screen changes are not
// followed, so every widget of a process is sized alike.
class ORVAKIT_EXPORT DPIinfo
{
public:
    // The first call needs the application object: it reads the primary screen.
    static DPIinfo &getInstance();

    // Design-to-screen factor: 1.0 at 96 DPI, 1.25 at 120 DPI, 1.5 at 144 DPI.
    double getDPI() const;
    // Device pixels per logical pixel of the primary screen.
    double getDPR() const;

    // A design length on screen, truncated toward zero (1 stays 1 at 1.25).
    int scaled(int designLength) const;

    // Every "<number>px" in the sheet multiplied by the factor and truncated.
    QString getScaledStyleSheet(QString sheet) const;

    // Replace the measured values, for previews and tests that render at a
    // chosen density. The product never calls these.
    void setDPI(double factor);
    void setDPR(double ratio);

    DPIinfo(const DPIinfo &) = delete;
    DPIinfo &operator=(const DPIinfo &) = delete;

private:
    DPIinfo();

    double m_dpi = 1.0;
    double m_dpr = 1.0;
};
