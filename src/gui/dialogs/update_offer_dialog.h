// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Найдена новая версия программы": the version the program runs,
// the new version and what is new in it, with the choice between installing
// it ("Установить") and declining ("Отказаться").
#pragma once

#include <string>

#include <QDialog>

namespace pentad {

struct UpdateOffer;

class UpdateOfferDialog : public QDialog {
    Q_OBJECT

public:
    // `ownVersion` is the running program's version. Accepted means install.
    UpdateOfferDialog(const std::string& ownVersion, const UpdateOffer& offer,
                      QWidget* parent = nullptr);
};

}  // namespace pentad
