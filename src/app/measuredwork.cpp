// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredwork.h"

#include "io/measurementfile.h"
#include "io/shownname.h"

#include "language/modeltexts.h"

#include "model/endpoints.h"
#include "model/fitreport.h"

namespace velmora::app {

namespace {

QStringList linesOf(const std::vector<std::string>& lines) {
    QStringList result;
    for (const std::string& line : lines) {
        result << QString::fromStdString(line);
    }
    return result;
}

} // namespace

QString MeasuredWork::readData(const CommandLine& line, const QString& option,
                               model::Measurements& measurements) {
    const QString problem = io::MeasurementFile::read(line.dataFile, line.columns, measurements);
    if (problem.isEmpty()) {
        return {};
    }
    //: %1 is the option, %2 the file's name, %3 what is wrong ("line 7: ..." where on a line).
    return tr("%1: '%2': %3").arg(option, io::shownName(line.dataFile), problem);
}

QString MeasuredWork::fitData(const CommandLine& line, const QString& option,
                              const model::Measurements& measurements, model::TitrationFit& fit) {
    const charts::ChartRequest& request = line.chart->request;
    const std::vector<model::FitParameter> parameters =
        line.vary ? *line.vary : model::defaultFitParameters(*request.mixture, measurements.points);
    const model::FitProblem problem = model::fitTitration(
        *request.mixture, request.mixtureTitration, measurements.points, parameters, fit);
    return problem.empty() ? QString() : OptionValue::refusal(option, problem.problem);
}

MeasuredAnswer MeasuredWork::fit(const CommandLine& line) {
    const QString option = QStringLiteral("--fit");
    model::Measurements measurements;
    model::TitrationFit fit;
    QString problem = readData(line, option, measurements);
    if (problem.isEmpty()) {
        problem = fitData(line, option, measurements, fit);
    }
    if (!problem.isEmpty()) {
        return {{}, problem, 2};
    }
    return {linesOf(model::fitReport(fit)), {}, 0};
}

QString MeasuredWork::addData(const CommandLine& line, charts::ChartRequest& request) {
    const QString option = QStringLiteral("--data");
    model::Measurements measurements;
    if (QString problem = readData(line, option, measurements); !problem.isEmpty()) {
        return problem;
    }
    if (line.vary) {
        model::TitrationFit fit;
        if (QString problem = fitData(line, option, measurements, fit); !problem.isEmpty()) {
            return problem;
        }
        request.mixture = fit.sample;
        request.mixtureTitration = fit.titration;
        request.pHOffset = fit.pHOffset;
    }
    request.measured = std::move(measurements.points);
    return {};
}

MeasuredAnswer MeasuredWork::endPoints(const CommandLine& line) {
    const QString option = QStringLiteral("--endpoints");
    MeasuredAnswer answer;
    model::Measurements measurements;
    if (answer.problem = readData(line, option, measurements); !answer.problem.isEmpty()) {
        answer.status = 2;
        return answer;
    }
    const model::EndPointAnalysis analysis = model::analyseEndPoints(
        measurements.points, line.chart->request.mixtureTitration.sampleVolume);
    answer.lines = linesOf(model::endPointReport(analysis));
    if (answer.lines.isEmpty()) {
        //: %1 is the file's name.
        answer.problem = tr("--endpoints: '%1': no end point found: the pH has no jump that "
                            "stands out")
                             .arg(io::shownName(line.dataFile));
        answer.status = 1;
    }
    return answer;
}

} // namespace velmora::app
