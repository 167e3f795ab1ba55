// SPDX-License-Identifier: GPL-3.0-or-later
#include "aciddrawing.h"

#include "exampleacids.h"

#include "diagram/labels.h"

#include "language/modeltexts.h"

#include "model/presets.h"
#include "model/summary.h"

#include <QImage>

namespace velmora::ui {

AcidDrawing::AcidDrawing(const model::Acid& acid, const ExampleAcids& examples)
    : m_acid(acid), m_examples(examples) {}

diagram::ExportRequest AcidDrawing::request() const {
    diagram::ExportRequest request;
    request.acid = m_acid;
    request.labels = m_examples.labels();
    return request;
}

diagram::Readout AcidDrawing::readoutAt(double pH) const {
    diagram::Readout readout = diagram::readoutAt(m_acid, pH, m_examples.labels());
    readout.heading = m_examples.heading();
    return readout;
}

QString AcidDrawing::summary(const diagram::DrawnDiagram& drawn) const {
    // An example's boundaries are said as precisely as its literature values are written.
    const model::Preset* example = m_examples.shown();
    QString text = QString::fromStdString(model::describe(
        m_acid, diagram::spokenNames(drawn.labels), example != nullptr ? example->decimals() : 1,
        language::modelTranslation()));
    if (example != nullptr) {
        text.prepend(language::presetName(*example) + QStringLiteral(". "));
    }
    return text;
}

QImage AcidDrawing::image(int scale) const {
    return diagram::renderImage(request(), scale);
}

void AcidDrawing::paint(QPainter& painter, const QRectF& target) const {
    diagram::paintDiagram(painter, target, request());
}

QString AcidDrawing::write(const QString& path, encode::ExportFormat format, int scale) const {
    diagram::ExportRequest exported = request();
    exported.scale = scale;
    return diagram::writeExport(path, format, exported);
}

QString AcidDrawing::fileName() const {
    const model::Preset* example = m_examples.active();
    return example != nullptr ? QString::fromStdString(example->key) : QStringLiteral("diagram");
}

QString AcidDrawing::title() const {
    const model::Preset* example = m_examples.active();
    return example != nullptr ? QString::fromStdString(example->name)
                              : QStringLiteral("Distribution diagram");
}

} // namespace velmora::ui
