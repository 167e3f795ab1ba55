// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/distributiondiagram.h"
#include "diagram/export.h"
#include "diagram/readout.h"

#include "model/acid.h"

#include "ui/common/diagramcommands.h"

namespace velmora::ui {

class ExampleAcids;

/**
 * The main window's distribution diagram as its content stands: the window's acid, labelled with
 * the formulas of the example acid it shows. It is what the diagram commands take out, what the
 * readout reads and what the spoken summary says.
 */
class AcidDrawing : public DrawingSource {
public:
    /** The drawing of `acid` with the labels of `examples`; both outlive it. */
    AcidDrawing(const model::Acid& acid, const ExampleAcids& examples);

    /** The current acid with the current labels, as the export draws and writes it. */
    [[nodiscard]] diagram::ExportRequest request() const;
    /** The readout at `pH` for the current acid, headed by the shown example, if any. */
    [[nodiscard]] diagram::Readout readoutAt(double pH) const;
    /** One sentence for a screen reader about `drawn`, led by the shown example's name. */
    [[nodiscard]] QString summary(const diagram::DrawnDiagram& drawn) const;

    [[nodiscard]] QImage image(int scale) const override;
    void paint(QPainter& painter, const QRectF& target) const override;
    [[nodiscard]] QString write(const QString& path, encode::ExportFormat format,
                                int scale) const override;
    [[nodiscard]] QString fileName() const override;
    [[nodiscard]] QString title() const override;

private:
    const model::Acid& m_acid;
    const ExampleAcids& m_examples;
};

} // namespace velmora::ui
