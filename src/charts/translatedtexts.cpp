// SPDX-License-Identifier: GPL-3.0-or-later
#include "translatedtexts.h"

#include <QCoreApplication>

namespace velmora::charts {

ChartTexts translatedChartTexts(QChar decimalPoint) {
    ChartTexts texts;
    // Every text is marked where it stands, so that the translators see each in its context.
    //: The fractions chart's y axis: α is the share of the acid's total concentration that a
    //: species has (0 to 1), not a mole fraction.
    texts.fractionAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "fraction α");
    //: The log-c chart's y axis: the decimal logarithm of each concentration in mol/L; the axis
    //: itself is linear in log c.
    texts.logCAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "log c / (mol/L)");
    //: The titration chart's x axis: the added volume of titrant in millilitres.
    texts.volumeAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "V / mL");
    //: The buffer-capacity chart's y axis: β, the moles of strong base per litre that raise the
    //: pH by one unit, in mol/(L·pH).
    texts.bufferAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "β / (mol/(L·pH))");
    //: The derivative chart's y axis: the slope of the titration curve, pH units per millilitre
    //: of titrant added.
    texts.slopeAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "dpH/dV / (pH/mL)");
    //: The buffer capacity's symbol in the readout.
    texts.bufferName = QCoreApplication::translate("velmora::ui::ChartTexts", "β");
    //: The titration curve's slope in the readout.
    texts.slopeName = QCoreApplication::translate("velmora::ui::ChartTexts", "dpH/dV");
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
    //: The title of the buffer-capacity chart's file or print job.
    texts.bufferTitle =
        QCoreApplication::translate("velmora::ui::ChartTexts", "Buffer capacity vs pH");
    //: The title of the derivative chart's file or print job: dpH/dV against the added volume.
    texts.derivativeTitle = QCoreApplication::translate("velmora::ui::ChartTexts",
                                                        "First derivative of the titration curve");
    //: The title of the file or print job of Gran's plot of a measured titration.
    texts.granTitle = QCoreApplication::translate("velmora::ui::ChartTexts", "Gran plot");
    //: The axis of the strip of residuals under a measured titration: measured minus model pH.
    texts.residualAxis = QCoreApplication::translate("velmora::ui::ChartTexts", "ΔpH");
    //: The y axis of Gran's plot: Gran's function, scaled to a largest value of 1.
    texts.granAxis =
        QCoreApplication::translate("velmora::ui::ChartTexts", "Gran function (scaled)");
    //: Gran's line before the end point, in the readout.
    texts.granBeforeName = QCoreApplication::translate("velmora::ui::ChartTexts", "before");
    //: Gran's line of the excess titrant after the end point, in the readout.
    texts.granAfterName = QCoreApplication::translate("velmora::ui::ChartTexts", "after");
    //: An end point at the largest slope of the measured points; %1 its volume in mL.
    texts.derivativeEndPoint =
        QCoreApplication::translate("velmora::ui::ChartTexts", "dpH/dV max %1 mL");
    //: An end point where the second derivative of the measured points is zero; %1 its volume.
    texts.secondDerivativeEndPoint =
        QCoreApplication::translate("velmora::ui::ChartTexts", "d²pH/dV² = 0 %1 mL");
    //: An end point by Gran's method; %1 its volume in mL.
    texts.granEndPoint = QCoreApplication::translate("velmora::ui::ChartTexts", "Gran %1 mL");
    MarkTexts& marks = texts.marks;
    //: The key of a titration's marks: a filled dot.
    marks.equivalencePoint =
        QCoreApplication::translate("velmora::ui::ChartTexts", "equivalence point");
    //: The key of a titration's marks: an open dot.
    marks.halfEquivalencePoint =
        QCoreApplication::translate("velmora::ui::ChartTexts", "half-equivalence point");
    //: An equivalence point's label: %1 the volume in mL, %2 the pH ("25.00 mL · pH 8.73").
    marks.volumeAndPh = QCoreApplication::translate("velmora::ui::ChartTexts", "%1 mL · pH %2");
    //: A half-equivalence point whose pH equals its pKa at the digits shown: %1 the pKa's name
    //: ("pKa", "pKa2"), %2 the value ("pH = pKa = 4.76").
    marks.phEqualsPKa = QCoreApplication::translate("velmora::ui::ChartTexts", "pH = %1 = %2");
    //: A half-equivalence point whose pH is close to its pKa: %1 the pH, %2 the pKa's name
    //: ("pH 4.79 ≈ pKa").
    marks.phNearPKa = QCoreApplication::translate("velmora::ui::ChartTexts", "pH %1 ≈ %2");
    // A half-equivalence point's pH alone, as a pH is marked elsewhere.
    marks.phAlone = texts.phValue;
    //: The acid constant of an acid with one constant.
    marks.pKa = QCoreApplication::translate("velmora::ui::ChartTexts", "pKa");
    //: The acid constant number %1 of an acid with several ("pKa2").
    marks.numberedPKa = QCoreApplication::translate("velmora::ui::ChartTexts", "pKa%1");
    //: The acid constant of one system of a mixture: %1 its name ("pKa2"), %2 the system's acid
    //: ("H₃PO₄"), as in "pH = pKa2 (H₃PO₄) = 7.20".
    marks.systemPKa = QCoreApplication::translate("velmora::ui::ChartTexts", "%1 (%2)");
    texts.decimalPoint = decimalPoint;
    return texts;
}

} // namespace velmora::charts
