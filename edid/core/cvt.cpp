#include "cvt.h"

#include <QtMath>
#include <cmath>

namespace {

// Aspect ratios searched for the vertical sync width; the last three
// entries only carry the widths for "other" ratios and reduced blanking v2.
const float kAspectRatios[8] = {4.0f / 3.0f, 16.0f / 9.0f, 16.0f / 10.0f, 5.0f / 4.0f,
                                15.0f / 9.0f, 0.0f, 0.0f, 0.0f};
const int kVSyncWidths[8] = {4, 5, 6, 7, 7, 8, 9, 10};

constexpr int kCellGranularity = 8;
constexpr double kMinVSyncBackPorchUs = 550.0; // standard blanking
constexpr int kMinVFrontPorch = 3;
constexpr int kMinVBackPorch = 6;
constexpr double kMinReducedVBlankUs = 460.0;   // reduced blanking, both versions
constexpr int kReducedV2VSync = 8;
constexpr int kReducedV2MinVFrontPorch = 1;

int vSyncWidthForAspect(unsigned hActive, unsigned vActive)
{
    const float ratio = float(hActive) / float(vActive);
    float best = 9999.99f;
    int index = 7;
    for (int i = 0; i < 8; ++i) {
        const float distance = std::fabs(ratio - kAspectRatios[i]);
        if (best > distance) {
            best = distance;
            index = i;
        }
    }
    if (best > 0.1f)
        index = 7;
    return kVSyncWidths[index];
}

// Rounds a clock in MHz down to a multiple of 0.25 MHz, in 10 kHz units.
quint32 quarterMHzSteps(double megahertz)
{
    return quint32(std::floor(megahertz * 4.0)) * 25;
}

void standardBlanking(FormatDefinition& f)
{
    const float hPeriod = float((1.0 / double(f.refreshRate) - kMinVSyncBackPorchUs / 1e6)
                                / (f.vActive + kMinVFrontPorch) * 1e6);
    float duty = float(30.0 - 300.0 * double(hPeriod) / 1000.0);
    if (duty < 20.0f)
        duty = 20.0f;
    f.hBlanking = int(std::trunc(f.hActive * double(duty) / (100.0 - double(duty)) * 0.0625)) * 16;
    f.hTotal = f.hActive + f.hBlanking;
    f.hSyncWidth = (f.hTotal * 8 / 100) / kCellGranularity * kCellGranularity;
    f.hFrontPorch = f.hBlanking - f.hSyncWidth - f.hBlanking / 2;
    int vSyncBackPorch = int(kMinVSyncBackPorchUs / double(hPeriod) + 1.0);
    if (vSyncBackPorch < f.vSyncWidth + kMinVBackPorch)
        vSyncBackPorch = f.vSyncWidth + kMinVBackPorch;
    f.vFrontPorch = kMinVFrontPorch;
    f.vBlanking = vSyncBackPorch + kMinVFrontPorch;
    f.vTotal = f.vActive + f.vBlanking;
    // CVT derives the standard blanking clock from the estimated line period.
    f.pixelClock = quarterMHzSteps(f.hTotal / double(hPeriod));
}

int reducedVBlank(const FormatDefinition& f, int minimum)
{
    const float hPeriod = float((1e6 / double(f.refreshRate) - kMinReducedVBlankUs) / f.vActive);
    const int lines = int(kMinReducedVBlankUs / double(hPeriod) + 1.0);
    return lines < minimum ? minimum : lines;
}

void reducedBlankingV1(FormatDefinition& f)
{
    f.hBlanking = 160;
    f.hSyncWidth = 32;
    f.hFrontPorch = 48;
    f.hTotal = f.hActive + f.hBlanking;
    f.vBlanking = reducedVBlank(f, kMinVFrontPorch + f.vSyncWidth + kMinVBackPorch);
    f.vFrontPorch = kMinVFrontPorch;
    f.vTotal = f.vActive + f.vBlanking;
}

void reducedBlankingV2(FormatDefinition& f)
{
    f.vSyncWidth = kReducedV2VSync;
    f.hBlanking = 80;
    f.hSyncWidth = 32;
    f.hFrontPorch = 8;
    f.hTotal = f.hActive + f.hBlanking;
    f.vBlanking = reducedVBlank(f, kReducedV2MinVFrontPorch + kReducedV2VSync + kMinVBackPorch);
    f.vFrontPorch = f.vBlanking - kMinVBackPorch - f.vSyncWidth;
    f.vTotal = f.vActive + f.vBlanking;
}

} // namespace

QString cvtInputError(unsigned vActive, float rate, CvtBlanking blanking)
{
    if (vActive == 0)
        return QStringLiteral("V util must be greater than 0 lines");
    if (!qIsFinite(rate) || rate <= 0.0f)
        return QStringLiteral("Rate must be a number greater than 0 Hz");
    const double frameUs = 1e6 / double(rate);
    const double minimumBlankUs =
        blanking == CvtBlanking::Standard ? kMinVSyncBackPorchUs : kMinReducedVBlankUs;
    if (frameUs <= minimumBlankUs)
        return QStringLiteral("Rate is too high: the vertical blanking would last longer than a frame");
    return QString();
}

FormatDefinition computeCvtFormat(unsigned hActive, unsigned vActive, float rate, CvtBlanking blanking)
{
    FormatDefinition f;
    f.refreshRate = rate;
    f.hActive = int(hActive / kCellGranularity * kCellGranularity);
    f.vActive = int(vActive);
    if (blanking != CvtBlanking::ReducedV2)
        f.vSyncWidth = vSyncWidthForAspect(unsigned(f.hActive), vActive);
    switch (blanking) {
    case CvtBlanking::Standard:
        standardBlanking(f);
        break;
    case CvtBlanking::ReducedV1:
        reducedBlankingV1(f);
        break;
    case CvtBlanking::ReducedV2:
        reducedBlankingV2(f);
        break;
    }
    if (f.pixelClock == 0)
        f.pixelClock = cvtPixelClock(f);
    f.hSyncPositive = blanking != CvtBlanking::Standard;
    f.vSyncPositive = blanking == CvtBlanking::Standard;
    return f;
}

quint32 cvtPixelClock(const FormatDefinition& f)
{
    if (f.pixelClock != 0)
        return f.pixelClock;
    return quarterMHzSteps(double(f.hTotal) * f.vTotal * double(f.refreshRate) / 1e6);
}
