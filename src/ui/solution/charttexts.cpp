// SPDX-License-Identifier: GPL-3.0-or-later
#include "charttexts.h"
#include "typednumber.h"

#include "charts/translatedtexts.h"

#include <QLocale>

namespace velmora::ui {

charts::ChartTexts userChartTexts() {
    // The drawings write numbers as the window's fields show them.
    return charts::translatedChartTexts(shownDecimalSeparator(QLocale()));
}

} // namespace velmora::ui
