// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuredoptions.h"
#include "optionvalue.h"

#include "io/shownname.h"

#include "language/modeltexts.h"

#include <QCommandLineParser>

namespace velmora::app {

namespace {

QString nameOf(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().constFirst();
}

} // namespace

MeasuredOptions::MeasuredOptions()
    : m_fit(QStringLiteral("fit"),
            tr("Fits the titration of the sample (--pka or --add, with --volume, --titrant, "
               "--activity and --temperature as the starting guess) to the measured titration "
               "in FILE and prints each fitted value with its standard error, the residual "
               "standard deviation s in pH, the points used n and the parameters' "
               "correlations."),
            //: The value of --fit, --endpoints and --data, as their descriptions name it.
            tr("FILE")),
      m_endPoints(QStringLiteral("endpoints"),
                  tr("Prints the end points of the measured titration in FILE by the first and "
                     "second derivative and by Gran's method (with --volume, the sample's "
                     "volume)."),
                  tr("FILE")),
      m_data(QStringLiteral("data"),
             tr("With --export and --plot measured (the measured points over the sample's "
                "titration, fitted where --vary is given), gran or derivative: the measured "
                "titration in FILE."),
             tr("FILE")),
      m_vary(QStringLiteral("vary"),
             tr("The parameters --fit fits: conc, pka1 (pkb1 for a base given by pKb), conc:2 "
                "and pka1:2 for the second substance, strong, titrant, offset (default: the "
                "sample's concentration and every pKa within the measured pH range)."),
             //: The value of --vary: a comma-separated list.
             tr("LIST")),
      m_columns(QStringLiteral("columns"),
                tr("The measured file's volume and pH columns, by header name or 1-based "
                   "position (V,pH or 2,3), where its headers do not say."),
                QStringLiteral("V,PH")) {}

QList<QCommandLineOption> MeasuredOptions::all() const {
    return {m_fit, m_endPoints, m_data, m_vary, m_columns};
}

bool MeasuredOptions::fits(const QCommandLineParser& parser) const {
    return parser.isSet(m_fit);
}

bool MeasuredOptions::findsEndPoints(const QCommandLineParser& parser) const {
    return parser.isSet(m_endPoints);
}

bool MeasuredOptions::drawsData(const QCommandLineParser& parser) const {
    return parser.isSet(m_data);
}

QByteArray MeasuredOptions::file(const QCommandLineParser& parser) const {
    for (const QCommandLineOption* option : {&m_fit, &m_endPoints, &m_data}) {
        if (parser.isSet(*option)) {
            return OptionValue(parser, *option).bytes();
        }
    }
    return {};
}

QString MeasuredOptions::problemBeside(const QCommandLineParser& parser) const {
    const QCommandLineOption* given = nullptr;
    for (const QCommandLineOption* option : {&m_fit, &m_endPoints, &m_data}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        if (given != nullptr) {
            //: %1 and %2 are two of --fit, --endpoints and --data.
            return tr("%1: use either %1 or %2, not both").arg(nameOf(*option), nameOf(*given));
        }
        given = option;
    }
    if (given != nullptr && OptionValue(parser, *given).bytes().isEmpty()) {
        return tr("%1: no file name given").arg(nameOf(*given));
    }
    if (parser.isSet(m_vary) && given != &m_fit && given != &m_data) {
        return tr("--vary applies to --fit and --plot measured only");
    }
    if (parser.isSet(m_columns) && given == nullptr) {
        return tr("--columns applies to --fit, --endpoints and --data only");
    }
    return {};
}

QString MeasuredOptions::readColumns(const QCommandLineParser& parser,
                                     model::ColumnChoice& columns) const {
    if (!parser.isSet(m_columns)) {
        return {};
    }
    const OptionValue value(parser, m_columns);
    QString text;
    if (QString problem = value.readText(text); !problem.isEmpty()) {
        return problem;
    }
    if (!model::readColumnChoice(text.trimmed().toStdString(), columns)) {
        //: Keep V,PH as it is: it stands for the two columns' names or positions.
        return tr("--columns: '%1' is not V,PH: the volume's and the pH's column, each a header "
                  "name or a position from 1")
            .arg(value.shown());
    }
    return {};
}

QString
MeasuredOptions::readVary(const QCommandLineParser& parser, const model::Mixture& sample,
                          std::optional<std::vector<model::FitParameter>>& parameters) const {
    if (!parser.isSet(m_vary)) {
        parameters.reset();
        return {};
    }
    const OptionValue value(parser, m_vary);
    QString text;
    if (QString problem = value.readText(text); !problem.isEmpty()) {
        return problem;
    }
    std::vector<model::FitParameter> read;
    const model::FitNameProblem problem =
        model::readFitParameters(text.toStdString(), sample, read);
    if (!problem.empty()) {
        if (problem.name.empty()) {
            return OptionValue::refusal(value.name(), problem.problem);
        }
        //: %1 is the option, %2 the parameter's name as given, %3 what is wrong with it.
        return tr("%1: %2: %3")
            .arg(value.name(), io::shownName(QByteArray::fromStdString(problem.name)),
                 language::problemText(problem.problem));
    }
    parameters = std::move(read);
    return {};
}

} // namespace velmora::app
