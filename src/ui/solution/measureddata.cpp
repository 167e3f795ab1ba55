// SPDX-License-Identifier: GPL-3.0-or-later
#include "measureddata.h"

#include "substancelist.h"

#include "io/measurementfile.h"

#include "language/modeltexts.h"

#include "model/fitreport.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace velmora::ui {

namespace {

bool sameParameters(const std::vector<FitOffer>& a, const std::vector<FitOffer>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const FitOffer& x, const FitOffer& y) { return x.parameter == y.parameter; });
}

} // namespace

MeasuredData::MeasuredData(QObject* parent) : QObject(parent) {
    setInputs(SolutionInputs{});
}

const std::vector<model::TitrationPoint>& MeasuredData::points() const {
    static const std::vector<model::TitrationPoint> none;
    return m_measurements ? m_measurements->points : none;
}

QString MeasuredData::openFile(const QString& path) {
    model::Measurements read;
    const QString problem = io::MeasurementFile::read(QFile::encodeName(path), {}, read);
    return take(problem, read, QFileInfo(path).fileName());
}

QString MeasuredData::takeText(const QByteArray& text) {
    model::Measurements read;
    const QString problem = io::MeasurementFile::parse(text, {}, read);
    //: Where the measured points shown came from when they were pasted or dropped as text.
    return take(problem, read, tr("pasted data"));
}

QString MeasuredData::take(const QString& problem, const model::Measurements& read,
                           const QString& source) {
    if (!problem.isEmpty()) {
        //: %1 is the file (or "pasted data"), %2 why it is no measured titration.
        m_problem = tr("%1 was not taken: %2").arg(source, problem);
        emit changed();
        return m_problem;
    }
    m_measurements = read;
    m_source = source;
    m_problem.clear();
    m_fit.reset();
    m_fitProblem.clear();
    m_pHOffset = 0.0;
    m_choice = defaultFitChoice(m_inputs, m_offers, points());
    findEndPoints();
    emit changed();
    return {};
}

void MeasuredData::clear() {
    m_measurements.reset();
    m_source.clear();
    m_problem.clear();
    m_fit.reset();
    m_fitProblem.clear();
    m_pHOffset = 0.0;
    findEndPoints();
    emit changed();
}

void MeasuredData::findEndPoints() {
    m_endPoints = m_measurements
                      ? model::analyseEndPoints(points(), m_inputs.titration.sampleVolume)
                      : model::EndPointAnalysis{};
}

void MeasuredData::choose(int offer, bool chosen) {
    if (offer >= 0 && offer < static_cast<int>(m_choice.size()) &&
        m_choice[static_cast<std::size_t>(offer)] != chosen) {
        m_choice[static_cast<std::size_t>(offer)] = chosen;
        emit changed();
    }
}

void MeasuredData::setInputs(const SolutionInputs& inputs) {
    const bool newVolume = inputs.titration.sampleVolume != m_inputs.titration.sampleVolume;
    m_inputs = inputs;
    std::vector<FitOffer> offers = fitOffers(inputs);
    const bool sameChoice = sameParameters(offers, m_offers) && m_choice.size() == offers.size();
    m_offers = std::move(offers);
    if (!sameChoice) {
        m_choice = defaultFitChoice(m_inputs, m_offers, points());
    }
    if (newVolume) {
        findEndPoints();
    }
    emit changed();
}

QString MeasuredData::fit() {
    std::vector<model::FitParameter> parameters;
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        if (m_choice[i]) {
            parameters.push_back(m_offers[i].parameter);
        }
    }
    m_fit.reset();
    if (!hasData()) {
        m_fitProblem = tr("There are no measured points to fit.");
    } else if (parameters.empty()) {
        m_fitProblem = tr("Choose at least one value to fit.");
    } else {
        model::TitrationFit fitted;
        const model::FitProblem problem = model::fitTitration(
            mixtureOf(m_inputs), mixtureTitrationOf(m_inputs), points(), parameters, fitted);
        if (problem.empty()) {
            m_fit = std::move(fitted);
            m_fittedFrom = m_inputs;
            m_fitProblem.clear();
        } else if (problem.parameter >= 0 &&
                   problem.parameter < static_cast<int>(parameters.size())) {
            //: %1 is the parameter as the command line names it (pka2), %2 why.
            m_fitProblem = tr("%1 cannot be fitted: %2")
                               .arg(QString::fromStdString(model::fitParameterName(
                                        parameters[static_cast<std::size_t>(problem.parameter)],
                                        mixtureOf(m_inputs))),
                                    language::problemText(problem.problem));
        } else {
            m_fitProblem = tr("No fit: %1").arg(language::problemText(problem.problem));
        }
    }
    emit changed();
    return m_fitProblem;
}

QString MeasuredData::resultText() const {
    if (!m_fit) {
        return {};
    }
    QStringList lines;
    for (const std::string& line : model::fitReport(*m_fit)) {
        lines << QString::fromStdString(line);
    }
    return lines.join(u'\n') + u'\n';
}

QString MeasuredData::useFittedValues(SolutionInputs& fitted) {
    if (!m_fit) {
        return tr("There is no fit to use.");
    }
    if (const model::Problem problem = inputsWithFit(m_inputs, *m_fit, fitted); !problem.empty()) {
        //: %1 says why the fitted values do not fit the solution's fields.
        m_fitProblem =
            tr("The fitted values cannot be used: %1").arg(language::problemText(problem));
        emit changed();
        return m_fitProblem;
    }
    m_fitProblem.clear();
    m_pHOffset = m_fit->pHOffset;
    emit changed();
    return {};
}

} // namespace velmora::ui
