// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measuredfit.h"
#include "solutioninputs.h"

#include "model/endpoints.h"
#include "model/measurements.h"
#include "model/titrationfit.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace velmora::ui {

/**
 * The measured titration the solution window shows over its model, and the fit of the model to
 * it: the points as read from a file or pasted text, where they came from, their end points, the
 * parameters chosen to fit and the last fit's result.
 *
 * New data replace the old ones only when they are read whole: text that is refused leaves the
 * points, the end points and the fit as they were, and problem() says why (the line and the
 * reason in the user's language) until data are read or cleared. New data or none drop the fit
 * and the pH offset. The choice of parameters follows the solution: when its parameters change
 * (a constant added, a substance listed), the choice starts again from the defaults for the data.
 */
class MeasuredData : public QObject {
    Q_OBJECT
public:
    explicit MeasuredData(QObject* parent = nullptr);

    /** Whether there are points to show. */
    [[nodiscard]] bool hasData() const { return m_measurements.has_value(); }
    [[nodiscard]] const std::vector<model::TitrationPoint>& points() const;
    /** The file's name as shown, or "pasted data"; empty without data. */
    [[nodiscard]] const QString& source() const { return m_source; }
    /** Why the last file or text was not taken; empty when it was, or after clear(). */
    [[nodiscard]] const QString& problem() const { return m_problem; }

    /**
     * Reads the measured titration at `path` and shows it. Returns why not (also kept as
     * problem()), or "" when it was read.
     */
    QString openFile(const QString& path);
    /** Reads text pasted or dropped (a spreadsheet's cells) the same way. */
    QString takeText(const QByteArray& text);
    /** Removes the points, the fit and any problem. */
    void clear();

    /** The end points of the data for a sample of `sampleVolume` mL (empty without data). */
    [[nodiscard]] const model::EndPointAnalysis& endPoints() const { return m_endPoints; }

    /** The parameters offered for `inputs` (fitOffers()) and whether each is chosen. */
    [[nodiscard]] const std::vector<FitOffer>& offers() const { return m_offers; }
    [[nodiscard]] const std::vector<bool>& choice() const { return m_choice; }
    void choose(int offer, bool chosen);

    /**
     * The solution changed: the offers and their start values follow it, the end points are found
     * again for its sample volume.
     */
    void setInputs(const SolutionInputs& inputs);

    /**
     * Fits the model of the inputs to the points over the chosen parameters. Returns why not, in
     * plain words naming the parameter, or "" when the fit was made (fit()); a refused fit leaves
     * no result.
     */
    QString fit();
    [[nodiscard]] const std::optional<model::TitrationFit>& result() const { return m_fit; }
    /** The inputs the result was fitted from. */
    [[nodiscard]] const SolutionInputs& fittedFrom() const { return m_fittedFrom; }
    /** Why the last fit was refused; empty otherwise. */
    [[nodiscard]] const QString& fitProblem() const { return m_fitProblem; }
    /** The result as the command line prints it, one line each (model::fitReportLines()). */
    [[nodiscard]] QString resultText() const;

    /**
     * The inputs with the fitted values (inputsWithFit()), and the fitted pH offset is drawn from
     * now on. Returns why not, or "" when `fitted` was set.
     */
    QString useFittedValues(SolutionInputs& fitted);
    /** The pH offset the model is drawn with: a fitted one that was used, else 0. */
    [[nodiscard]] double pHOffset() const { return m_pHOffset; }

signals:
    /** The points, the problem, the end points, the offers or the fit changed. */
    void changed();

private:
    /** Takes a text read whole, or keeps the old data and the problem. */
    QString take(const QString& problem, const model::Measurements& read, const QString& source);
    void findEndPoints();

    std::optional<model::Measurements> m_measurements;
    QString m_source;
    QString m_problem;
    SolutionInputs m_inputs;
    model::EndPointAnalysis m_endPoints;
    std::vector<FitOffer> m_offers;
    std::vector<bool> m_choice;
    std::optional<model::TitrationFit> m_fit;
    SolutionInputs m_fittedFrom;
    QString m_fitProblem;
    double m_pHOffset = 0.0;
};

} // namespace velmora::ui
