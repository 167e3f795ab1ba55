// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/screendensity.h"

#include <QWidget>

#include <memory>

namespace velmora::ui {

class Form;

/**
 * The About window: program title, version, copyright, acknowledgement, a portrait and two
 * links (a new e-mail to the author, the web page of further chemistry programs).
 *
 * There is one About window at a time; its owner (the main window) keeps a QPointer to it.
 * Constructing it is its load (`Form_Load`: built from its design and scaled once). Cancel
 * (`Clear`) hides it and it stays loaded; the close box unloads it (the object deletes itself),
 * so the next opening loads it afresh from its design.
 */
class About : public QWidget {
    Q_OBJECT
public:
    explicit About(ScreenDensity density = ScreenDensity::of());
    ~About() override;

    [[nodiscard]] Form& form() const { return *m_form; }

    /** The address that Label4 mails to, and the web page Label5 opens. */
    [[nodiscard]] static QString authorEmail();
    [[nodiscard]] static QString webPage();

public slots:
    void Clear_Click();
    void Label4_Click();
    void Label5_Click(int Index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void wireHandlers();

    std::unique_ptr<Form> m_form;
    bool m_placed = false;
};

} // namespace velmora::ui
