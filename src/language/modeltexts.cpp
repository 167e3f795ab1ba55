// SPDX-License-Identifier: GPL-3.0-or-later
#include "modeltexts.h"

#include "model/presets.h"

#include <QCoreApplication>

namespace velmora::language {

namespace {

QString translated(const char* context, const std::string& text) {
    return text.empty() ? QString() : QCoreApplication::translate(context, text.c_str());
}

} // namespace

QString problemText(const model::Problem& problem) {
    if (problem.empty()) {
        return {};
    }
    QString text = QCoreApplication::translate(model::kProblemContext, problem.text);
    // Each arg() fills the lowest place left, wherever a translation has put it.
    for (const std::string& argument : problem.arguments) {
        text = text.arg(QString::fromStdString(argument));
    }
    return text;
}

QString presetName(const model::Preset& preset) {
    return translated(model::kPresetContext, preset.name);
}

QString presetSource(const model::Preset& preset) {
    return translated(model::kSourceContext, preset.source);
}

QString presetNote(const model::Preset& preset) {
    return translated(model::kPresetContext, preset.note);
}

model::Translate modelTranslation() {
    return [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
}

} // namespace velmora::language
