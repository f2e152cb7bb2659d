// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/catalogue_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "button_texts.h"
#include "catalogue_texts_gui.h"
#include "dialogs/dialog_error.h"
#include "qt_text.h"
#include "shell/error.h"
#include "shell/interface_language.h"

namespace pentad {
namespace {

constexpr int kMaxTextChars = 64;
// The languages offered for a scenario (locale identifiers).
constexpr int kLanguages[] = {1049, 1033, 1058, 1059, 1031, 1036, 1040, 1034};

}  // namespace

ScriptPropertiesDialog::ScriptPropertiesDialog(const tScriptData& data, bool editable, Check check,
                                               QWidget* parent)
    : QDialog(parent), m_data(data), m_check(std::move(check)) {
    setWindowTitle(uiText(texts::kScriptPropsCaption));
    setObjectName(QStringLiteral("ScriptPropertiesDialog"));
    m_title = new QLineEdit(toQString(data.Title), this);
    m_title->setObjectName(QStringLiteral("edTitle"));
    m_title->setMaxLength(kMaxTextChars);
    m_author = new QLineEdit(toQString(data.AuthorName), this);
    m_author->setObjectName(QStringLiteral("edAuthor"));
    m_author->setMaxLength(kMaxTextChars);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("cbLanguage"));
    bool listed = false;
    for (int lcid : kLanguages) {
        m_language->addItem(toQString(languageAbbreviation(lcid)), lcid);
        listed = listed || lcid == data.Lcid;
    }
    if (!listed) {
        m_language->addItem(toQString(languageAbbreviation(data.Lcid)), data.Lcid);
    }
    m_language->setCurrentIndex(m_language->findData(data.Lcid));

    auto* apply = new QGroupBox(uiText(texts::kScriptPropsApply), this);
    m_onlyHere = new QRadioButton(
        uiText(format(texts::kScriptPropsOnlyIn, std::string("Pentad"))), apply);
    m_anyApp = new QRadioButton(uiText(texts::kScriptPropsAnyApp), apply);
    (data.UniApps ? m_anyApp : m_onlyHere)->setChecked(true);
    auto* applyLayout = new QVBoxLayout(apply);
    applyLayout->addWidget(m_onlyHere);
    applyLayout->addWidget(m_anyApp);

    auto* access = new QGroupBox(uiText(texts::kScriptPropsAccess), this);
    m_public = new QRadioButton(uiText(texts::kScriptPropsPublic), access);
    m_private = new QRadioButton(uiText(texts::kScriptPropsPrivate), access);
    (data.Public ? m_public : m_private)->setChecked(true);
    auto* accessLayout = new QVBoxLayout(access);
    accessLayout->addWidget(m_public);
    accessLayout->addWidget(m_private);

    m_descr = new QPlainTextEdit(toQString(data.Descr), this);
    m_descr->setObjectName(QStringLiteral("edDescr"));

    auto* form = new QFormLayout;
    form->addRow(uiText(texts::kScriptPropsTitle), m_title);
    form->addRow(uiText(texts::kScriptPropsAuthor), m_author);
    form->addRow(uiText(texts::kScriptPropsLanguage), m_language);

    QDialogButtonBox* buttons =
        dialogButtons(*this, editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                      : QDialogButtonBox::Close);
    if (editable) {
        buttons->button(QDialogButtonBox::Ok)->setText(uiText(texts::kScriptPropsSend));
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{m_title, m_author, m_language, apply,
                                                          access}) {
            w->setEnabled(false);
        }
        m_descr->setReadOnly(true);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(apply);
    layout->addWidget(access);
    layout->addWidget(new QLabel(uiText(texts::kScriptPropsDescr), this));
    layout->addWidget(m_descr, 1);
    layout->addWidget(buttons);
    resize(480, 420);
}

tScriptData ScriptPropertiesDialog::data() const {
    tScriptData d = m_data;
    d.Title = toStdString(m_title->text().trimmed());
    d.AuthorName = toStdString(m_author->text().trimmed());
    d.Lcid = m_language->currentData().toInt();
    d.UniApps = m_anyApp->isChecked();
    d.Public = m_public->isChecked();
    d.Descr = toStdString(m_descr->toPlainText());
    return d;
}

void ScriptPropertiesDialog::accept() {
    if (m_check) {
        std::optional<std::string> problem = m_check(data());
        if (!problem) {
            return;
        }
        if (!problem->empty()) {
            showDialogError(this, *problem);
            return;
        }
    }
    QDialog::accept();
}

ScriptRatesDialog::ScriptRatesDialog(const std::vector<tScriptRate>& rates, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kRatesCaption));
    auto* table = new QTableWidget(static_cast<int>(rates.size()), 6, this);
    table->setObjectName(QStringLiteral("lvRates"));
    QStringList headers;
    for (const char* h : texts::kRatesColumns) {
        headers << uiText(h);
    }
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(rates.size()); ++r) {
        const tScriptRate& rate = rates[static_cast<size_t>(r)];
        const QString cells[6] = {toQString(rate.Name), QString::number(rate.Rate),
                                  toQString(catalogueDateText(rate.Created)),
                                  toQString(rate.AppName), toQString(rate.AppVer),
                                  toQString(rate.Notes)};
        for (int c = 0; c < 6; ++c) {
            table->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
    table->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(dialogButtons(*this, QDialogButtonBox::Close));
    resize(640, 320);
}

IdentityDialog::IdentityDialog(const std::string& name, const std::string& mail, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kIdentityCaption));
    m_name = new QLineEdit(toQString(name), this);
    m_name->setObjectName(QStringLiteral("edName"));
    m_name->setMaxLength(kMaxTextChars);
    m_mail = new QLineEdit(toQString(mail), this);
    m_mail->setObjectName(QStringLiteral("edMail"));
    auto* form = new QFormLayout;
    form->addRow(uiText(texts::kIdentityName), m_name);
    form->addRow(uiText(texts::kIdentityMail), m_mail);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(dialogButtons(*this));
}

std::string IdentityDialog::name() const { return toStdString(m_name->text().trimmed()); }
std::string IdentityDialog::mail() const { return toStdString(m_mail->text().trimmed()); }

}  // namespace pentad
