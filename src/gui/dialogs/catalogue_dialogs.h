// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the online scenario catalogue: the scenario's properties
// (publish, replace, view), the users' ratings, and the user's identity.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "online/catalogue_client.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace pentad {

class ScriptPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    // `accept` runs the checks of OK: an empty result lets the dialog close;
    // a text is shown as an error and keeps it open; nullopt keeps it open
    // silently (the check's own box was shown).
    using Check = std::function<std::optional<std::string>(const tScriptData&)>;

    ScriptPropertiesDialog(const tScriptData& data, bool editable, Check check,
                           QWidget* parent = nullptr);

    tScriptData data() const;

    void accept() override;

private:
    tScriptData m_data;
    Check m_check;
    QLineEdit* m_title;
    QLineEdit* m_author;
    QComboBox* m_language;
    QRadioButton* m_onlyHere;
    QRadioButton* m_anyApp;
    QRadioButton* m_public;
    QRadioButton* m_private;
    QPlainTextEdit* m_descr;
};

// The list "Оценки пользователей".
class ScriptRatesDialog : public QDialog {
    Q_OBJECT

public:
    explicit ScriptRatesDialog(const std::vector<tScriptRate>& rates, QWidget* parent = nullptr);
};

// Name and e-mail sent to the catalogue.
class IdentityDialog : public QDialog {
    Q_OBJECT

public:
    IdentityDialog(const std::string& name, const std::string& mail, QWidget* parent = nullptr);
    std::string name() const;
    std::string mail() const;

private:
    QLineEdit* m_name;
    QLineEdit* m_mail;
};

}  // namespace pentad
