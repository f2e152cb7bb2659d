// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/proxy_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "download_texts.h"
#include "online/proxy_settings.h"
#include "qt_text.h"

namespace pentad {

ProxyDialog::ProxyDialog(const TProxy& proxy, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProxyDialog"));
    setWindowTitle(uiText(texts::kProxyDialogCaption));

    m_none = new QRadioButton(uiText(texts::kProxyChoiceNone), this);
    m_none->setObjectName(QStringLiteral("rbProxyNone"));
    m_automatic = new QRadioButton(uiText(texts::kProxyChoiceAutomatic), this);
    m_automatic->setObjectName(QStringLiteral("rbProxyAutomatic"));
    m_manual = new QRadioButton(uiText(texts::kProxyChoiceManual), this);
    m_manual->setObjectName(QStringLiteral("rbProxyManual"));

    m_server = new QLineEdit(toQString(proxy.Server), this);
    m_server->setObjectName(QStringLiteral("edProxyServer"));
    m_server->setMinimumWidth(240);
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("edProxyPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(proxy.Port >= 1 && proxy.Port <= 65535 ? proxy.Port : kDefaultProxyPort);
    m_user = new QLineEdit(toQString(proxy.Username), this);
    m_user->setObjectName(QStringLiteral("edProxyUser"));
    m_password = new QLineEdit(toQString(proxy.Password), this);
    m_password->setObjectName(QStringLiteral("edProxyPassword"));
    m_password->setEchoMode(QLineEdit::Password);

    auto* fieldsForm = new QFormLayout;
    fieldsForm->setContentsMargins(24, 0, 0, 0);
    fieldsForm->addRow(uiText(texts::kProxyServerLabel), m_server);
    fieldsForm->addRow(uiText(texts::kProxyPortLabel), m_port);
    fieldsForm->addRow(uiText(texts::kProxyUserLabel), m_user);
    fieldsForm->addRow(uiText(texts::kProxyPasswordLabel), m_password);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_none);
    layout->addWidget(m_automatic);
    layout->addWidget(m_manual);
    layout->addLayout(fieldsForm);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    switch (effectiveProxyMode(proxy)) {
        case kProxyAutomatic:
            m_automatic->setChecked(true);
            break;
        case kProxyManual:
            m_manual->setChecked(true);
            break;
        default:
            m_none->setChecked(true);
            break;
    }
    for (QRadioButton* choice : {m_none, m_automatic, m_manual}) {
        connect(choice, &QRadioButton::toggled, this, &ProxyDialog::updateFields);
    }
    updateFields();
}

void ProxyDialog::updateFields() {
    const bool manual = m_manual->isChecked();
    for (QWidget* field : {static_cast<QWidget*>(m_server), static_cast<QWidget*>(m_port),
                           static_cast<QWidget*>(m_user), static_cast<QWidget*>(m_password)}) {
        field->setEnabled(manual);
    }
}

int ProxyDialog::mode() const {
    if (m_manual->isChecked()) {
        return kProxyManual;
    }
    return m_automatic->isChecked() ? kProxyAutomatic : kProxyNone;
}

ProxyEndpoint ProxyDialog::fields() const {
    return ProxyEndpoint{toStdString(m_server->text().trimmed()), m_port->value(),
                         toStdString(m_user->text()), toStdString(m_password->text())};
}

}  // namespace pentad
