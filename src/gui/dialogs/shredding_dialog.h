// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Методы шинковки": the three formulas of the shredding methods
// and how many decimals of each are used. Formulas are taken as typed; one
// that cannot be read is only pointed out, since it simply gives 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace pentad {

class ShreddingDialog : public QDialog {
    Q_OBJECT

public:
    ShreddingDialog(const std::array<std::string, 3>& formulas,
                    const std::array<uint8_t, 3>& digits, QWidget* parent = nullptr);

    std::array<std::string, 3> formulas() const;
    std::array<uint8_t, 3> digits() const;

private:
    void showReadability(int i);

    std::array<QLineEdit*, 3> m_formulas{};
    std::array<QSpinBox*, 3> m_digits{};
    std::array<QLabel*, 3> m_warnings{};
};

}  // namespace pentad
