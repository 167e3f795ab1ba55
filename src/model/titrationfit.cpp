// SPDX-License-Identifier: GPL-3.0-or-later
#include "titrationfit.h"

#include "numbertext.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

namespace velmora::model {

namespace {

/** The most iterations of the trust-region solver. */
constexpr int kMaxIterations = 200;
/**
 * The steps of the central differences of the Jacobian, in the solver's variables (ln c, pK).
 * The model's pH is good to about 1e-10, so a step of 1e-4 leaves the derivatives good to about
 * 1e-6 of their size, far better than the data determine them.
 */
constexpr double kDerivativeStep = 1.0e-4;
/**
 * A parameter whose root-mean-square effect on the pH is below this per unit of its solver
 * variable (pK, ln c) does not move the model at all.
 */
constexpr double kVanishingColumn = 1.0e-7;
/**
 * A parameter whose variance inflation (1/(1 − R²) of its column against the others') exceeds
 * this is not told apart from the others by the data.
 */
constexpr double kMaxInflation = 1.0e8;
/** The pH a trial outside the model's limits is given, so that the solver steps back. */
constexpr double kOutsideResidual = 100.0;

/** Frees a GSL object when it goes out of scope. */
template <auto release> struct GslFree {
    template <typename T> void operator()(T* object) const { release(object); }
};
using Vector = std::unique_ptr<gsl_vector, GslFree<gsl_vector_free>>;
using Matrix = std::unique_ptr<gsl_matrix, GslFree<gsl_matrix_free>>;
using Workspace =
    std::unique_ptr<gsl_multifit_nlinear_workspace, GslFree<gsl_multifit_nlinear_free>>;

/**
 * GSL's default error handler aborts the program; the fit checks every status itself, so the
 * handler is off while it runs and put back afterwards.
 */
class GslErrorsReturned {
public:
    GslErrorsReturned() : m_previous(gsl_set_error_handler_off()) {}
    ~GslErrorsReturned() { gsl_set_error_handler(m_previous); }
    GslErrorsReturned(const GslErrorsReturned&) = delete;
    GslErrorsReturned& operator=(const GslErrorsReturned&) = delete;

private:
    gsl_error_handler_t* m_previous;
};

/** The concentration that stands for the titrant: its strong base, strong acid or first system. */
double titrantConcentration(const Mixture& titrant) {
    if (titrant.strongBase > 0.0) {
        return titrant.strongBase;
    }
    if (titrant.strongAcid > 0.0) {
        return titrant.strongAcid;
    }
    return titrant.systems.empty() ? 0.0 : titrant.systems.front().concentration;
}

/** Every amount of `titrant` multiplied by `factor`. */
void scaleTitrant(Mixture& titrant, double factor) {
    titrant.strongBase *= factor;
    titrant.strongAcid *= factor;
    for (WeakSystem& system : titrant.systems) {
        system.concentration *= factor;
    }
    for (InertSalt& salt : titrant.salts) {
        salt.concentration *= factor;
    }
}

/** The strong acid's concentration where the sample has one, else its strong base's. */
template <typename AnyMixture> auto& strongConcentration(AnyMixture& sample) {
    return sample.strongAcid > 0.0 || sample.strongBase <= 0.0 ? sample.strongAcid
                                                               : sample.strongBase;
}

bool concerns(const FitParameter& parameter, const Mixture& sample) {
    const auto systems = static_cast<int>(sample.systems.size());
    switch (parameter.quantity) {
    case FitQuantity::Concentration:
        return parameter.system >= -1 && parameter.system < systems;
    case FitQuantity::Constant:
        return parameter.system >= 0 && parameter.system < systems && parameter.constant >= 1 &&
               parameter.constant <=
                   static_cast<int>(
                       sample.systems[static_cast<std::size_t>(parameter.system)].pK.size());
    case FitQuantity::TitrantConcentration:
    case FitQuantity::PhOffset:
        return true;
    }
    return false;
}

/**
 * The value of a parameter in the sample and titration, in its unit. The titrant's value is the
 * concentration that stands for it.
 */
double valueOf(const FitParameter& parameter, const Mixture& sample,
               const MixtureTitration& titration, double pHOffset) {
    switch (parameter.quantity) {
    case FitQuantity::Concentration:
        if (parameter.system < 0) {
            return strongConcentration(sample);
        }
        return sample.systems[static_cast<std::size_t>(parameter.system)].concentration;
    case FitQuantity::Constant:
        return sample.systems[static_cast<std::size_t>(parameter.system)]
            .pK[static_cast<std::size_t>(parameter.constant - 1)];
    case FitQuantity::TitrantConcentration:
        return titrantConcentration(titration.titrant);
    case FitQuantity::PhOffset:
        return pHOffset;
    }
    return 0.0;
}

/**
 * Concentrations are fitted as their natural logarithms, so that no step of the solver can make
 * one negative or zero and the solver's steps are relative, as the data determine them; the
 * constants and the offset are fitted as they are. The upper limits of the model (10 mol/L, pK
 * −5..25) are kept by giving a trial beyond them a large residual, which the trust region
 * rejects.
 */
bool fittedAsLogarithm(const FitParameter& parameter) {
    return parameter.quantity == FitQuantity::Concentration ||
           parameter.quantity == FitQuantity::TitrantConcentration;
}

/** The model in the solver's variables, and the measurements it is compared with. */
struct FitModel {
    Mixture sample;
    MixtureTitration titration;
    std::vector<FitParameter> parameters;
    std::vector<TitrationPoint> points;
    double startTitrant = 1.0; ///< the titrant's concentration at the start

    /** The sample, titration and offset at solver variables `x`. */
    void apply(const gsl_vector* x, Mixture& trialSample, MixtureTitration& trialTitration,
               double& pHOffset) const {
        trialSample = sample;
        trialTitration = titration;
        pHOffset = 0.0;
        for (std::size_t j = 0; j < parameters.size(); ++j) {
            const FitParameter& parameter = parameters[j];
            const double variable = gsl_vector_get(x, j);
            const double value = fittedAsLogarithm(parameter) ? std::exp(variable) : variable;
            switch (parameter.quantity) {
            case FitQuantity::Concentration:
                if (parameter.system < 0) {
                    strongConcentration(trialSample) = value;
                } else {
                    trialSample.systems[static_cast<std::size_t>(parameter.system)].concentration =
                        value;
                }
                break;
            case FitQuantity::Constant:
                trialSample.systems[static_cast<std::size_t>(parameter.system)]
                    .pK[static_cast<std::size_t>(parameter.constant - 1)] = value;
                break;
            case FitQuantity::TitrantConcentration:
                scaleTitrant(trialTitration.titrant, value / startTitrant);
                break;
            case FitQuantity::PhOffset:
                pHOffset = value;
                break;
            }
        }
    }

    /** The model's pH at the measured volumes for `x`; empty outside the model's limits. */
    [[nodiscard]] std::vector<double> pHs(const gsl_vector* x) const {
        Mixture trialSample;
        MixtureTitration trialTitration;
        double pHOffset = 0.0;
        apply(x, trialSample, trialTitration, pHOffset);
        if (!problemWithMixture(trialSample).empty() ||
            !problemWithMixtureTitration(trialTitration).empty()) {
            return {};
        }
        return modelPhAt(trialSample, trialTitration, points, pHOffset);
    }
};

int residualsOf(const gsl_vector* x, void* data, gsl_vector* residuals) {
    const auto& model = *static_cast<const FitModel*>(data);
    const std::vector<double> pHs = model.pHs(x);
    for (std::size_t i = 0; i < model.points.size(); ++i) {
        gsl_vector_set(residuals, i, pHs.empty() ? kOutsideResidual : pHs[i] - model.points[i].pH);
    }
    return GSL_SUCCESS;
}

/**
 * The Jacobian by central differences of the model's pH; the offset's column is 1 throughout.
 * Central differences are used rather than GSL's forward ones, whose error (of the order of the
 * step) would show in the standard errors.
 */
int jacobianOf(const gsl_vector* x, void* data, gsl_matrix* jacobian) {
    const auto& model = *static_cast<const FitModel*>(data);
    const Vector shifted(gsl_vector_alloc(x->size));
    for (std::size_t j = 0; j < model.parameters.size(); ++j) {
        if (model.parameters[j].quantity == FitQuantity::PhOffset) {
            for (std::size_t i = 0; i < model.points.size(); ++i) {
                gsl_matrix_set(jacobian, i, j, 1.0);
            }
            continue;
        }
        gsl_vector_memcpy(shifted.get(), x);
        const double centre = gsl_vector_get(x, j);
        gsl_vector_set(shifted.get(), j, centre + kDerivativeStep);
        const std::vector<double> above = model.pHs(shifted.get());
        gsl_vector_set(shifted.get(), j, centre - kDerivativeStep);
        const std::vector<double> below = model.pHs(shifted.get());
        for (std::size_t i = 0; i < model.points.size(); ++i) {
            // At a limit of the model the column is taken as flat; the trust region then steps
            // back by the residuals alone.
            const double slope = above.empty() || below.empty()
                                     ? 0.0
                                     : (above[i] - below[i]) / (2.0 * kDerivativeStep);
            gsl_matrix_set(jacobian, i, j, slope);
        }
    }
    return GSL_SUCCESS;
}

/**
 * The parameter the data do not determine, or −1: the first whose column of the Jacobian vanishes
 * or lies (nearly) in the span of the columns before it. The columns are scaled to unit length and
 * taken in order by modified Gram-Schmidt; what is left of a column after its projections is the
 * sine of its angle to the others, and 1/sine² its variance inflation.
 */
int undeterminedParameter(const gsl_matrix* jacobian) {
    const std::size_t rows = jacobian->size1;
    const std::size_t columns = jacobian->size2;
    const Matrix basis(gsl_matrix_alloc(rows, columns));
    gsl_matrix_memcpy(basis.get(), jacobian);
    for (std::size_t j = 0; j < columns; ++j) {
        gsl_vector_view column = gsl_matrix_column(basis.get(), j);
        const double norm = gsl_blas_dnrm2(&column.vector);
        if (!(norm > kVanishingColumn * std::sqrt(static_cast<double>(rows)))) {
            return static_cast<int>(j);
        }
        gsl_vector_scale(&column.vector, 1.0 / norm);
        for (std::size_t k = 0; k < j; ++k) {
            const gsl_vector_const_view earlier = gsl_matrix_const_column(basis.get(), k);
            double projection = 0.0;
            gsl_blas_ddot(&earlier.vector, &column.vector, &projection);
            gsl_blas_daxpy(-projection, &earlier.vector, &column.vector);
        }
        const double sine = gsl_blas_dnrm2(&column.vector);
        if (!(sine * sine * kMaxInflation > 1.0)) {
            return static_cast<int>(j);
        }
        gsl_vector_scale(&column.vector, 1.0 / sine);
    }
    return -1;
}

/** Reads "name" or "name:N" (N ≥ 1) into the name and the 0-based system. */
bool splitSystem(std::string_view text, std::string_view& name, int& system) {
    const std::size_t colon = text.find(':');
    name = text.substr(0, colon);
    system = 0;
    if (colon == std::string_view::npos) {
        return true;
    }
    const std::string_view number = text.substr(colon + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size() || value < 1) {
        return false;
    }
    system = value - 1;
    return true;
}

/** Reads a constant's name "pka3" or "pkb1" into its 1-based number; 0 when it is none. */
int constantNumber(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return 0;
    }
    const std::string_view digits = name.substr(prefix.size());
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc{} && end == digits.data() + digits.size() && value >= 1 ? value : 0;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return result;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

/** The parameter `text` names for `sample`; false with the problem where it names none. */
bool readFitParameter(std::string_view text, const Mixture& sample, FitParameter& parameter,
                      Problem& problem) {
    const std::string name = lowered(text);
    if (name == "titrant") {
        parameter = {FitQuantity::TitrantConcentration, 0, 0};
        return true;
    }
    if (name == "offset") {
        parameter = {FitQuantity::PhOffset, 0, 0};
        return true;
    }
    if (name == "strong") {
        if (sample.strongAcid <= 0.0 && sample.strongBase <= 0.0) {
            problem = {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                         "the sample has no strong acid or base")};
            return false;
        }
        parameter = {FitQuantity::Concentration, -1, 0};
        return true;
    }
    std::string_view base;
    int system = 0;
    if (!splitSystem(name, base, system)) {
        problem = {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                     "not a parameter (conc, pka1, pkb1, conc:2, pka1:2, "
                                     "strong, titrant, offset)")};
        return false;
    }
    const bool concentration = base == "conc";
    const int acidConstant = constantNumber(base, "pka");
    const int baseConstant = constantNumber(base, "pkb");
    if (!concentration && acidConstant == 0 && baseConstant == 0) {
        problem = {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                     "not a parameter (conc, pka1, pkb1, conc:2, pka1:2, "
                                     "strong, titrant, offset)")};
        return false;
    }
    const auto systems = static_cast<int>(sample.systems.size());
    if (concentration && system == 0 && systems == 0 &&
        (sample.strongAcid > 0.0 || sample.strongBase > 0.0)) {
        parameter = {FitQuantity::Concentration, -1, 0};
        return true;
    }
    if (system >= systems) {
        problem = {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                     "the sample has no weak acid or base number %1"),
                   {std::to_string(system + 1)}};
        return false;
    }
    if (concentration) {
        parameter = {FitQuantity::Concentration, system, 0};
        return true;
    }
    const WeakSystem& weak = sample.systems[static_cast<std::size_t>(system)];
    if ((acidConstant > 0 && weak.givenAsBase) || (baseConstant > 0 && !weak.givenAsBase)) {
        problem = {weak.givenAsBase
                       ? QT_TRANSLATE_NOOP("velmora::model::Problem",
                                           "the base is given by its pKb values: write pkb")
                       : QT_TRANSLATE_NOOP("velmora::model::Problem",
                                           "the acid is given by its pKa values: write pka")};
        return false;
    }
    const int constant = std::max(acidConstant, baseConstant);
    if (constant > static_cast<int>(weak.pK.size())) {
        problem = {
            QT_TRANSLATE_NOOP("velmora::model::Problem", "the weak acid or base has %1 constants"),
            {std::to_string(weak.pK.size())}};
        return false;
    }
    parameter = {FitQuantity::Constant, system, constant};
    return true;
}

/** The acid constant pKa (at the sample's temperature) a constant's parameter stands for. */
double acidConstantOf(const FitParameter& parameter, const Mixture& sample) {
    const WeakSystem& system = sample.systems[static_cast<std::size_t>(parameter.system)];
    const std::vector<double> pKa = systemPKa(system, sample.temperature);
    const auto index = static_cast<std::size_t>(parameter.constant - 1);
    // A base's pKb_i belongs to its acid's pKa_(n+1−i).
    return system.givenAsBase ? pKa[pKa.size() - 1 - index] : pKa[index];
}

std::pair<double, double> pHRange(std::span<const TitrationPoint> points) {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    for (const TitrationPoint& point : points) {
        lowest = std::min(lowest, point.pH);
        highest = std::max(highest, point.pH);
    }
    return {lowest, highest};
}

} // namespace

std::string fitParameterName(const FitParameter& parameter, const Mixture& sample) {
    const auto suffix = [&] {
        return parameter.system > 0 ? ":" + std::to_string(parameter.system + 1) : std::string();
    };
    switch (parameter.quantity) {
    case FitQuantity::Concentration:
        if (parameter.system < 0) {
            return sample.systems.empty() ? "conc" : "strong";
        }
        return "conc" + suffix();
    case FitQuantity::Constant: {
        const bool base = parameter.system >= 0 &&
                          parameter.system < static_cast<int>(sample.systems.size()) &&
                          sample.systems[static_cast<std::size_t>(parameter.system)].givenAsBase;
        return (base ? "pkb" : "pka") + std::to_string(parameter.constant) + suffix();
    }
    case FitQuantity::TitrantConcentration:
        return "titrant";
    case FitQuantity::PhOffset:
        return "offset";
    }
    return {};
}

FitNameProblem readFitParameters(std::string_view list, const Mixture& sample,
                                 std::vector<FitParameter>& parameters) {
    std::vector<FitParameter> read;
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = trimmed(list.substr(start, comma - start));
        start = comma + 1;
        if (name.empty()) {
            if (list.find_first_not_of(" \t") == std::string_view::npos) {
                break;
            }
            return {std::string(name),
                    {QT_TRANSLATE_NOOP("velmora::model::Problem", "an empty parameter name")}};
        }
        FitParameter parameter;
        Problem problem;
        if (!readFitParameter(name, sample, parameter, problem)) {
            return {std::string(name), problem};
        }
        if (std::find(read.begin(), read.end(), parameter) != read.end()) {
            return {std::string(name),
                    {QT_TRANSLATE_NOOP("velmora::model::Problem", "named twice")}};
        }
        read.push_back(parameter);
    }
    if (read.empty()) {
        return {{}, {QT_TRANSLATE_NOOP("velmora::model::Problem", "names no parameter to fit")}};
    }
    parameters = std::move(read);
    return {};
}

std::vector<FitParameter> defaultFitParameters(const Mixture& sample,
                                               std::span<const TitrationPoint> points) {
    std::vector<FitParameter> parameters;
    if (!sample.systems.empty()) {
        parameters.push_back({FitQuantity::Concentration, 0, 0});
    } else if (sample.strongAcid > 0.0 || sample.strongBase > 0.0) {
        parameters.push_back({FitQuantity::Concentration, -1, 0});
    }
    if (points.empty()) {
        return parameters;
    }
    const auto [lowest, highest] = pHRange(points);
    for (std::size_t s = 0; s < sample.systems.size(); ++s) {
        for (std::size_t i = 0; i < sample.systems[s].pK.size(); ++i) {
            const FitParameter constant{FitQuantity::Constant, static_cast<int>(s),
                                        static_cast<int>(i) + 1};
            const double pKa = acidConstantOf(constant, sample);
            if (pKa >= lowest && pKa <= highest) {
                parameters.push_back(constant);
            }
        }
    }
    return parameters;
}

std::vector<double> modelPhAt(const Mixture& sample, const MixtureTitration& titration,
                              std::span<const TitrationPoint> points, double pHOffset) {
    std::vector<double> volumes;
    volumes.reserve(points.size());
    for (const TitrationPoint& point : points) {
        volumes.push_back(point.volume);
    }
    std::vector<double> pHs = MixtureTitrator(sample, titration).pHsAt(volumes);
    for (double& pH : pHs) {
        pH += pHOffset;
    }
    return pHs;
}

FitProblem fitTitration(const Mixture& sample, const MixtureTitration& titration,
                        std::span<const TitrationPoint> points,
                        std::span<const FitParameter> parameters, TitrationFit& fit) {
    const std::size_t n = points.size();
    const std::size_t p = parameters.size();
    if (p == 0) {
        return {-1, {QT_TRANSLATE_NOOP("velmora::model::Problem", "names no parameter to fit")}};
    }
    if (n <= p) {
        return {-1,
                {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                   "needs more measured points (%1) than parameters to fit (%2)"),
                 {std::to_string(n), std::to_string(p)}}};
    }
    if (Problem problem = problemWithMixture(sample); !problem.empty()) {
        return {-1, problem};
    }
    if (Problem problem = problemWithMixtureTitration(titration); !problem.empty()) {
        return {-1, problem};
    }
    const auto [lowest, highest] = pHRange(points);
    for (std::size_t j = 0; j < p; ++j) {
        const FitParameter& parameter = parameters[j];
        const int index = static_cast<int>(j);
        const std::string name = fitParameterName(parameter, sample);
        if (!concerns(parameter, sample) ||
            std::find(parameters.begin(), parameters.begin() + index, parameter) !=
                parameters.begin() + index) {
            return {
                index,
                {QT_TRANSLATE_NOOP("velmora::model::Problem", "%1 cannot be fitted here"), {name}}};
        }
        if (parameter.quantity == FitQuantity::Constant) {
            const double pKa = acidConstantOf(parameter, sample);
            if (pKa < lowest || pKa > highest) {
                return {index,
                        {QT_TRANSLATE_NOOP("velmora::model::Problem",
                                           "%1: the pKa %2 lies outside the measured pH range %3 "
                                           "to %4, so the data do not determine it"),
                         {name, fixedText(pKa, 2), fixedText(lowest, 2), fixedText(highest, 2)}}};
            }
        }
        if (fittedAsLogarithm(parameter) && !(valueOf(parameter, sample, titration, 0.0) > 0.0)) {
            return {
                index,
                {QT_TRANSLATE_NOOP("velmora::model::Problem", "%1 needs a starting value above 0"),
                 {name}}};
        }
    }

    const GslErrorsReturned errorsReturned;
    FitModel model{sample,
                   titration,
                   {parameters.begin(), parameters.end()},
                   {points.begin(), points.end()},
                   titrantConcentration(titration.titrant)};
    const Vector start(gsl_vector_alloc(p));
    for (std::size_t j = 0; j < p; ++j) {
        const double value = valueOf(parameters[j], sample, titration, 0.0);
        gsl_vector_set(start.get(), j, fittedAsLogarithm(parameters[j]) ? std::log(value) : value);
    }
    const auto undetermined = [&](int index) {
        return FitProblem{
            index,
            {QT_TRANSLATE_NOOP("velmora::model::Problem",
                               "%1 is not determined by the measured data"),
             {fitParameterName(parameters[static_cast<std::size_t>(index)], sample)}}};
    };
    {
        const Matrix jacobian(gsl_matrix_alloc(n, p));
        jacobianOf(start.get(), &model, jacobian.get());
        if (const int index = undeterminedParameter(jacobian.get()); index >= 0) {
            return undetermined(index);
        }
    }

    gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    settings.trs = gsl_multifit_nlinear_trs_lm;
    settings.scale = gsl_multifit_nlinear_scale_more;
    settings.solver = gsl_multifit_nlinear_solver_qr;
    const Workspace workspace(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, p));
    gsl_multifit_nlinear_fdf functions{};
    functions.f = residualsOf;
    functions.df = jacobianOf;
    functions.fvv = nullptr;
    functions.n = n;
    functions.p = p;
    functions.params = &model;
    const auto notConverged = [] {
        return FitProblem{
            -1,
            {QT_TRANSLATE_NOOP("velmora::model::Problem",
                               "the fit did not converge; try other starting values")}};
    };
    if (gsl_multifit_nlinear_init(start.get(), &functions, workspace.get()) != GSL_SUCCESS) {
        return notConverged();
    }
    int reason = 0;
    const int status = gsl_multifit_nlinear_driver(kMaxIterations, 1.0e-10, 1.0e-10, 0.0, nullptr,
                                                   nullptr, &reason, workspace.get());
    // "No progress" means that no step lowers the sum of squares any further within the
    // precision of the model's pH: the minimum has been reached. The driver says so as running
    // out of iterations, with no progress as its reason, when the start is that minimum already
    // (a second fit from fitted values).
    const bool startedAtMinimum = status == GSL_EMAXITER && reason == GSL_ENOPROG;
    if (status != GSL_SUCCESS && status != GSL_ENOPROG && !startedAtMinimum) {
        return notConverged();
    }
    const gsl_vector* solution = gsl_multifit_nlinear_position(workspace.get());
    const gsl_vector* residuals = gsl_multifit_nlinear_residual(workspace.get());
    std::vector<double> pHs = model.pHs(solution);
    if (pHs.empty()) {
        return notConverged();
    }
    // The Jacobian at the optimum itself, not the one of the solver's last trial.
    const Matrix jacobian(gsl_matrix_alloc(n, p));
    jacobianOf(solution, &model, jacobian.get());
    if (const int index = undeterminedParameter(jacobian.get()); index >= 0) {
        return undetermined(index);
    }
    const Matrix covariance(gsl_matrix_alloc(p, p));
    if (gsl_multifit_nlinear_covar(jacobian.get(), 0.0, covariance.get()) != GSL_SUCCESS) {
        return undetermined(0);
    }
    double sumOfSquares = 0.0;
    gsl_blas_ddot(residuals, residuals, &sumOfSquares);
    const double variance = sumOfSquares / static_cast<double>(n - p);

    TitrationFit result;
    model.apply(solution, result.sample, result.titration, result.pHOffset);
    result.residualDeviation = std::sqrt(variance);
    result.pointsUsed = static_cast<int>(n);
    result.iterations = static_cast<int>(gsl_multifit_nlinear_niter(workspace.get()));
    result.residuals.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        result.residuals.push_back(points[i].pH - pHs[i]);
    }
    for (std::size_t j = 0; j < p; ++j) {
        const double value =
            valueOf(parameters[j], result.sample, result.titration, result.pHOffset);
        // A logarithm's error δ(ln c) is the relative error of c: δc = c·δ(ln c).
        const double error = std::sqrt(variance * gsl_matrix_get(covariance.get(), j, j));
        result.values.push_back(
            {parameters[j], value, fittedAsLogarithm(parameters[j]) ? value * error : error});
    }
    // Correlations do not change under the logarithm's monotonic rescaling of single variables.
    result.correlation.assign(p, std::vector<double>(p, 0.0));
    for (std::size_t j = 0; j < p; ++j) {
        for (std::size_t k = 0; k < p; ++k) {
            const double scale = std::sqrt(gsl_matrix_get(covariance.get(), j, j) *
                                           gsl_matrix_get(covariance.get(), k, k));
            result.correlation[j][k] =
                j == k ? 1.0
                       : std::clamp(gsl_matrix_get(covariance.get(), j, k) / scale, -1.0, 1.0);
        }
    }
    fit = std::move(result);
    return {};
}

} // namespace velmora::model
