// SPDX-License-Identifier: GPL-3.0-or-later
// The text operations of cTPrint: fonts, measuring, cutting and placing text.
#include "print/cTPrint.h"

#include "print/DeviceDots.h"
#include "print/TextCharacters.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr int normalWeight = 400;
constexpr int boldWeight = 700;
constexpr long long pointsPerInch = 72;

bool hasLetter(const QString& style, char letter) {
    return style.contains(QLatin1Char(letter));
}
} // namespace

void cTPrint::SetFont(const QString& face, int points, const QString& style) {
    attachIfNeeded();
    const long long height = static_cast<long long>(device.dpiY()) * points / pointsPerInch;
    font.face = face;
    font.height = static_cast<int>(std::clamp<long long>(height, INT_MIN, INT_MAX));
    font.weight = hasLetter(style, 'b') ? boldWeight : normalWeight;
    font.italic = hasLetter(style, 'i');
    font.underline = hasLetter(style, 'u');
    device.selectFont(font);
    hasFont = true;
    originalFontKept = true;
    readLineHeight();
}

double cTPrint::TextWidth(const QString& text) {
    attachIfNeeded();
    return device.textExtent(text) / dpiX();
}

QString cTPrint::FitText(const QString& text, double width) {
    attachIfNeeded();
    const double dots = width * dpiX();
    if (dots > 0) {
        const int count = device.fitCount(text, nearestDots(dots));
        return firstCharacters(text, std::max(count, 0));
    }
    if (dots < 0) {
        const int count = device.fitCount(reverseCharacters(text), nearestDots(-dots));
        return lastCharacters(text, std::max(count, 0));
    }
    return QString();
}

void cTPrint::SetMargins(double left, double right, double top, double bottom) {
    leftMargin = left;
    rightMargin = right;
    topMargin = top;
    bottomMargin = bottom;
}

void cTPrint::GetCharSize(double& avgWidth, double& height) {
    attachIfNeeded();
    avgWidth = device.textMetrics().averageCharWidth / dpiX();
    height = lineHeight;
}

int cTPrint::LinesLeft(double y) {
    attachIfNeeded();
    const int wholeOffsetInches = device.offsetY() / std::max(device.dpiY(), 1);
    const double offsetInches = wholeOffsetInches;
    const double top = std::max({y, topMargin, offsetInches});
    const double bottomStrip =
        (device.physicalHeight() - device.offsetY() - device.printableHeight()) / dpiY();
    const double bottom = std::max(bottomMargin, bottomStrip);
    if (!(lineHeight > 0)) {
        return 0;
    }
    const double lines = std::floor((device.physicalHeight() / dpiY() - bottom - top) / lineHeight);
    return static_cast<int>(std::clamp(lines, double(INT_MIN), double(INT_MAX)));
}

void cTPrint::SetPosition(double x, double y) {
    lastX = x;
    lastY = y;
}

void cTPrint::PrintText(const QString& text, double x, double y) {
    attachIfNeeded();
    if (x != 0) {
        lastX = x;
    } else {
        x = lastX;
    }
    if (y != 0) {
        lastY = y;
    } else {
        y = lastY + lineHeight;
        lastY = y;
    }
    const double resX = dpiX();
    const double resY = dpiY();
    const int offX = device.offsetX();
    const int offY = device.offsetY();
    const int rightLimit = nearestDots(device.physicalWidth() - offX - rightMargin * resX);
    const int bottomLimit = nearestDots(device.physicalHeight() - offY - bottomMargin * resY);
    const long long extent = device.textExtent(text);
    int devX = nearestDots(std::max(x * resX - offX, 0.0));
    const int devY = nearestDots(std::max(y * resY - offY, 0.0));
    const int leftLimit = nearestDots(std::max(leftMargin * resX - offX, 0.0));

    QString shown = text;
    if (leftMargin > x) {
        const double end = x + TextWidth(text);
        if (end <= leftMargin) {
            return; // the whole text lies left of the margin
        }
        shown = FitText(text, -(end - leftMargin));
        devX = leftLimit;
    }
    if (extent + devX > rightLimit) {
        if (devX > rightLimit) {
            return; // the text starts right of the right limit
        }
        shown = FitText(shown, (rightLimit - devX) / resX);
    }
    if (topMargin > y || lineHeight * resY + devY > bottomLimit || shown.isEmpty()) {
        return;
    }
    device.drawText(devX, devY, shown);
}
