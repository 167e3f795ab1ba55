// SPDX-License-Identifier: GPL-3.0-or-later
#include "substancechooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {

namespace {

/** The role of an item's library key. */
constexpr int kKeyRole = Qt::UserRole;

/** Lower case without accents, hyphens as blanks: how a filter compares. */
QString folded(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        plain += c == u'-' ? QChar(u' ') : c.toCaseFolded();
    }
    return plain;
}

} // namespace

QString substanceName(const model::Substance& substance) {
    return QCoreApplication::translate(substance.context, substance.name);
}

bool filterFinds(const QString& filter, const QString& name, const QString& key) {
    const QString haystack = folded(name) + u' ' + folded(key);
    const QStringList words = folded(filter).split(u' ', Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(),
                       [&haystack](const QString& word) { return haystack.contains(word); });
}

SubstanceChooser::SubstanceChooser(Fits fits, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("substanceChooser"));
    setWindowTitle(tr("Add from library"));
    auto* layout = new QVBoxLayout(this);
    m_filter = new QLineEdit(this);
    m_filter->setPlaceholderText(tr("Name or key, e.g. acetic"));
    m_filter->setAccessibleName(tr("Find a substance"));
    m_filter->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(tr("&Find:"), this);
    filterLabel->setBuddy(m_filter);
    layout->addWidget(filterLabel);
    layout->addWidget(m_filter);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Substances of the library"));
    m_list->setFocusPolicy(Qt::ClickFocus);
    for (const model::Substance& substance : model::substances()) {
        //: An entry of the library's list: the substance's name and its key ("Acetic acid
        //: (acetic)").
        auto* item = new QListWidgetItem(
            tr("%1 (%2)").arg(substanceName(substance), QString::fromStdString(substance.key)),
            m_list);
        item->setData(kKeyRole, QString::fromStdString(substance.key));
        if (fits && !fits(substance)) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
            item->setToolTip(tr("The solution holds as many acid-base systems as it can."));
        }
    }
    layout->addWidget(m_list, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Add"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!chosenKey().empty()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if ((item->flags() & Qt::ItemIsEnabled) != 0) {
            m_list->setCurrentItem(item);
            accept();
        }
    });
    connect(m_filter, &QLineEdit::textChanged, this, &SubstanceChooser::applyFilter);
    connect(m_list, &QListWidget::currentItemChanged, this, [buttons, this] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosenKey().empty());
    });
    m_filter->installEventFilter(this);
    applyFilter();
    m_filter->setFocus();
    resize(sizeHint().expandedTo(QSize(420, 480)));
}

std::string SubstanceChooser::chosenKey() const {
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr || item->isHidden() || (item->flags() & Qt::ItemIsEnabled) == 0) {
        return {};
    }
    return item->data(kKeyRole).toString().toStdString();
}

void SubstanceChooser::applyFilter() {
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        const model::Substance* substance =
            model::findSubstance(item->data(kKeyRole).toString().toStdString());
        const bool found =
            substance != nullptr && filterFinds(m_filter->text(), substanceName(*substance),
                                                item->data(kKeyRole).toString());
        item->setHidden(!found);
        if (found && first == nullptr && (item->flags() & Qt::ItemIsEnabled) != 0) {
            first = item;
        }
    }
    m_list->setCurrentItem(first);
    if (first != nullptr) {
        m_list->scrollToItem(first);
    }
}

bool SubstanceChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The list moves while the filter keeps the focus, so typing goes on.
            QCoreApplication::sendEvent(m_list, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!chosenKey().empty()) {
                accept();
            }
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace velmora::ui
