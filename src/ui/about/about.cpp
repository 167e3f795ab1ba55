// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"

#include "aboutdesign.h"
#include "abouttexts.h"
#include "clickablelabel.h"

#include "ui/common/desktop.h"
#include "ui/common/form.h"
#include "ui/common/scaleform.h"

#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace velmora::ui {

namespace {

/** Label4 and the two Label5 carry click handlers, so they are built as clickable labels. */
QWidget* makeControl(const ControlDesign& design, QWidget* parent) {
    if (design.kind != ControlKind::Label ||
        (design.name != u"Label4" && design.name != u"Label5")) {
        return nullptr;
    }
    auto* label = new ClickableLabel(parent);
    label->setText(design.caption);
    label->setAlignment(design.alignment);
    label->setWordWrap(design.wordWrap);
    // Only the address itself shows the hand: the line above it opens the same page unannounced.
    if (design.name == u"Label5" && design.index == 2) {
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

} // namespace

About::About(ScreenDensity density) {
    // The close box unloads the window; the next opening builds a fresh one from its design.
    setAttribute(Qt::WA_DeleteOnClose);
    m_form = std::make_unique<Form>(*this, aboutDesign(), density, makeControl);
    wireHandlers();
    Form_Load();
}

About::~About() = default;

QString About::authorEmail() {
    return abouttexts::authorEmail();
}

QString About::webPage() {
    return abouttexts::webPage();
}

void About::Form_Load() {
    scaleform(*m_form, kAboutOuterWidthPx, kAboutOuterHeightPx);
}

void About::wireHandlers() {
    auto* clear = m_form->widgetAs<QPushButton>(u"Clear");
    // Enter on the focused Cancel button presses it, as Space does; outside a dialog a push button
    // ignores Enter unless it is auto-default. It is never the window's default button.
    clear->setAutoDefault(true);
    connect(clear, &QPushButton::clicked, this, &About::Clear_Click);
    connect(m_form->widgetAs<ClickableLabel>(u"Label4"), &ClickableLabel::clicked, this,
            &About::Label4_Click);
    for (int index : {1, 2}) {
        connect(m_form->widgetAs<ClickableLabel>(u"Label5", index), &ClickableLabel::clicked, this,
                [this, index] { Label5_Click(index); });
    }
}

void About::Clear_Click() {
    hide();
}

void About::Label4_Click() {
    openWithDesktop(QUrl(QStringLiteral("mailto:") + authorEmail()), this,
                    //: Takes the place of %1 in "The desktop could not open %1."
                    tr("a new e-mail to the author"));
}

void About::Label5_Click(int /*Index: either line opens the page*/) {
    //: Takes the place of %1 in "The desktop could not open %1."
    openWithDesktop(QUrl(webPage()), this, tr("the web page of further chemistry programs"));
}

void About::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!std::exchange(m_placed, true)) {
            m_form->centreOnScreen(screen());
        }
        m_form->focusFirst();
    }
    QWidget::showEvent(event);
}

} // namespace velmora::ui
