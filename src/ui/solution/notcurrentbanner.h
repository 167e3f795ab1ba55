// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QTabWidget;

namespace velmora::ui {

/**
 * A band across the top of the shown drawing that says the drawing is not current: while a
 * field is not fine, the drawings show the values from before its edit, and the band says which
 * ("Not current: showing 0,1 mol/L, as before the edit"). It lies over the drawing rather than
 * beside it, so that the drawing keeps its size (and is not drawn anew) as the band comes and
 * goes; hidden while its text is empty.
 */
class NotCurrentBanner : public QLabel {
    Q_OBJECT
public:
    /** A band over the pages of `tabs`, which owns it. */
    explicit NotCurrentBanner(QTabWidget& tabs);

    /** Shows `text`, or hides the band when it is empty. */
    void say(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /** Lays the band across the top of the shown page. */
    void place();

    QTabWidget& m_tabs;
};

} // namespace velmora::ui
