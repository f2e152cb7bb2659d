// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Создание нового списка комбинаций": the generation mode, the
// "my numbers" list or the file of combinations, and whether these
// parameters become the defaults. The main window generates with them.
#pragma once

#include <functional>

#include <QDialog>

#include "filters/combination_generator.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pentad {

class GenerateDialog : public QDialog {
    Q_OBJECT

public:
    // Asks for a combination file; empty when cancelled.
    using FileChooser = std::function<QString()>;

    // Starts with `defaults`; the save box is unticked every time.
    GenerateDialog(const GenerateParams& defaults, FileChooser chooseFile,
                   QWidget* parent = nullptr);

    // The parameters as chosen.
    GenerateParams params() const;
    bool saveAsDefaults() const;

private:
    // The parameter field serves modes 1..4, the file button mode 4.
    void updateEnabling();
    void browse();

    FileChooser m_chooseFile;
    QButtonGroup* m_modes;
    QLineEdit* m_parameters;
    QPushButton* m_browse;
    QCheckBox* m_saveDefaults;
};

}  // namespace pentad
