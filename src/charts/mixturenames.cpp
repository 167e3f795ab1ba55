// SPDX-License-Identifier: GPL-3.0-or-later
#include "mixturenames.h"

#include "model/polyprotic.h"

#include <QHash>

#include <array>

namespace velmora::charts {

namespace {

constexpr std::array<char16_t, model::kMaxSystems> kLetters{u'A', u'B', u'C', u'D',
                                                            u'E', u'F', u'G', u'J'};

/** The names a system would have on its own. */
QStringList ownNames(const model::WeakSystem& system, int index) {
    const int constants = static_cast<int>(system.pK.size());
    QStringList names;
    if (system.formulas.size() == system.pK.size() + 1) {
        for (const std::string& formula : system.formulas) {
            names << QString::fromStdString(formula);
        }
        return names;
    }
    for (int j = 0; j <= constants; ++j) {
        QString name =
            QString::fromStdString(model::genericSpeciesName(constants, system.charge, j));
        // The generic names have one "A", the system's own letter.
        name.replace(u'A', systemLetter(index));
        names << name;
    }
    return names;
}

} // namespace

QChar systemLetter(int system) {
    return kLetters[static_cast<std::size_t>(system) % kLetters.size()];
}

std::vector<QStringList> mixtureSpeciesNames(const model::Mixture& mixture,
                                             const QStringList& taken) {
    std::vector<QStringList> names;
    QHash<QString, int> uses;
    for (const QString& name : taken) {
        ++uses[name];
    }
    for (std::size_t s = 0; s < mixture.systems.size(); ++s) {
        names.push_back(ownNames(mixture.systems[s], static_cast<int>(s)));
        for (const QString& name : names.back()) {
            ++uses[name];
        }
    }
    for (std::size_t s = 0; s < names.size(); ++s) {
        for (QString& name : names[s]) {
            if (uses.value(name) > 1) {
                name = systemLetter(static_cast<int>(s)) + QStringLiteral(": ") + name;
            }
        }
    }
    return names;
}

QStringList flatNames(const std::vector<QStringList>& names) {
    QStringList all;
    for (const QStringList& system : names) {
        all += system;
    }
    return all;
}

QList<double> systemDashes(int system) {
    static const std::array<QList<double>, model::kMaxSystems> kDashes{
        QList<double>{},
        QList<double>{6.0, 3.0},
        QList<double>{1.0, 2.0},
        QList<double>{6.0, 2.5, 1.0, 2.5},
        QList<double>{12.0, 4.0},
        QList<double>{6.0, 2.0, 1.0, 2.0, 1.0, 2.0},
        QList<double>{12.0, 3.0, 2.0, 3.0},
        QList<double>{3.0, 3.0},
    };
    return kDashes[static_cast<std::size_t>(system) % kDashes.size()];
}

} // namespace velmora::charts
