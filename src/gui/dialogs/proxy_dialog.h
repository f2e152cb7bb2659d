// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Параметры proxy-сервера": no proxy, automatic search or a
// manual server with port, user name and password (the fields are usable
// only with the manual choice).
#pragma once

#include <QDialog>

#include "game/records.h"
#include "online/http_client.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pentad {

class ProxyDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the settings of `proxy`; a mode other than 1 and 2 shows as "no proxy".
    explicit ProxyDialog(const TProxy& proxy, QWidget* parent = nullptr);

    // 0 no proxy, 1 automatic search, 2 manual.
    int mode() const;
    // The four fields as typed.
    ProxyEndpoint fields() const;

private:
    void updateFields();

    QRadioButton* m_none;
    QRadioButton* m_automatic;
    QRadioButton* m_manual;
    QLineEdit* m_server;
    QSpinBox* m_port;
    QLineEdit* m_user;
    QLineEdit* m_password;
};

}  // namespace pentad
