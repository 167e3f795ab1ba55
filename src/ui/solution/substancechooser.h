// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/substances.h"

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QListWidget;

namespace velmora::ui {

/** A substance's name in the user's language ("Essigsäure"). */
[[nodiscard]] QString substanceName(const model::Substance& substance);

/**
 * Whether `filter` finds a substance named `name` with the key `key`: every word of the filter
 * is part of the name or of the key, whatever the letter case and accents ("saure" finds
 * "Essigsäure", "sodium acet" finds "sodium-acetate").
 */
[[nodiscard]] bool filterFinds(const QString& filter, const QString& name, const QString& key);

/**
 * Add from library: the library's substances by their names in the user's language, narrowed by
 * a filter field as it is typed. Made for the keyboard: the filter has the focus, the arrow and
 * page keys move through the list from there, Enter takes the chosen substance. Substances that
 * do not fit in the solution any more are shown but cannot be chosen.
 */
class SubstanceChooser : public QDialog {
    Q_OBJECT
public:
    /** Whether a substance still fits in the solution. */
    using Fits = std::function<bool(const model::Substance&)>;

    explicit SubstanceChooser(Fits fits, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* filterEdit() const { return m_filter; }
    [[nodiscard]] QListWidget* list() const { return m_list; }
    /** The key of the substance chosen now; empty for none. */
    [[nodiscard]] std::string chosenKey() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /** Shows the substances the filter finds, the first one that can be chosen current. */
    void applyFilter();

    QLineEdit* m_filter = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace velmora::ui
