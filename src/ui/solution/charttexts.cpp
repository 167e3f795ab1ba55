// SPDX-License-Identifier: GPL-3.0-or-later
#include "charttexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace velmora::ui {

charts::ChartTexts userChartTexts() {
    charts::ChartTexts texts;
    // Every text is marked where it stands, so that the translators see each in its context.
    //: The fractions chart's y axis: α is the share of the acid's total concentration that a
    //: species has (0 to 1), not a mole fraction.
    texts.fractionAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "fraction α");
    //: The log-c chart's y axis: the decimal logarithm of each concentration in mol/L; the axis
    //: itself is linear in log c.
    texts.logCAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "log c / (mol/L)");
    //: The titration chart's x axis: the added volume of titrant in millilitres.
    texts.volumeAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "V / mL");
    //: The pH axis of the charts.
    texts.phAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "pH");
    //: A pH marked in a chart and heading the readout; %1 is the pH with two decimals.
    texts.phValue = QCoreApplication::translate("velmora::ui::ChartTexts", "pH %1");
    //: The titration readout's heading; %1 is the added volume with two decimals.
    texts.volumeValue = QCoreApplication::translate("velmora::ui::ChartTexts", "V %1 mL");
    //: A species' share in the readout; %1 is the number of percent with one decimal.
    texts.percentValue = QCoreApplication::translate("velmora::ui::ChartTexts", "%1 %");
    //: The title of the fractions chart's file or print job.
    texts.fractionsTitle =
        QCoreApplication::translate("velmora::ui::ChartTexts", "Species fractions vs pH");
    //: The title of the log-c chart's file or print job: log c of each species plotted against
    //: the pH (a linear axis of log c, not a logarithmic axis).
    texts.logCTitle =
        QCoreApplication::translate("velmora::ui::ChartTexts", "Log concentrations vs pH");
    //: The title of the titration chart's file or print job.
    texts.titrationTitle =
        QCoreApplication::translate("velmora::ui::ChartTexts", "Titration curve");
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1) {
        texts.decimalPoint = point.front();
    }
    return texts;
}

} // namespace velmora::ui
