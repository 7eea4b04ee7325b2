#include "services/dpi-info.h"

#include "services/debug-message.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <climits>
#include <cmath>

namespace {

// Truncation toward zero, as every design length is converted; values beyond
// int are clamped rather than left to undefined conversion.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

} // namespace

DPIinfo &DPIinfo::getInstance()
{
    static DPIinfo instance;
    return instance;
}

DPIinfo::DPIinfo()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        // Without a screen (or before the application object) there is
        // nothing to measure; design sizes are then used as they are.
        qCWarning(debugMessage) << "No primary screen, DPI factor stays" << m_dpi;
        return;
    }
    m_dpi = screen->logicalDotsPerInchX() / 96.0;
    m_dpr = screen->devicePixelRatio();
}

double DPIinfo::getDPI() const
{
    return m_dpi;
}

double DPIinfo::getDPR() const
{
    return m_dpr;
}

void DPIinfo::setDPI(double factor)
{
    m_dpi = factor;
}

void DPIinfo::setDPR(double ratio)
{
    m_dpr = ratio;
}

int DPIinfo::scaled(int designLength) const
{
    return truncated(designLength * m_dpi);
}

QString DPIinfo::getScaledStyleSheet(QString sheet) const
{
    static const QRegularExpression pixelLength(QStringLiteral("(\\d+\\.?\\d*)(px)"));

    QString result;
    result.reserve(sheet.size());
    int copiedUpTo = 0;
    QRegularExpressionMatchIterator matches = pixelLength.globalMatch(sheet);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result += sheet.midRef(copiedUpTo, match.capturedStart() - copiedUpTo);
        result += QString::number(truncated(match.capturedRef(1).toDouble() * m_dpi));
        result += QLatin1String("px");
        copiedUpTo = match.capturedEnd();
    }
    result += sheet.midRef(copiedUpTo);
    return result;
}
