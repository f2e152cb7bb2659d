// SPDX-License-Identifier: GPL-3.0-or-later
// The generation dialog: five modes, the parameter, the file button and the
// "save as default" box.
#include "dialogs/generate_dialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "button_texts.h"
#include "filters/combination_texts.h"
#include "gui_texts.h"
#include "qt_text.h"

namespace pentad {

GenerateDialog::GenerateDialog(const GenerateParams& defaults, FileChooser chooseFile,
                               QWidget* parent)
    : QDialog(parent), m_chooseFile(std::move(chooseFile)) {
    setWindowTitle(uiText(texts::kGenerateDialogTitle));

    auto* modeBox = new QGroupBox(uiText(texts::kGenerateModeGroup), this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    m_modes = new QButtonGroup(this);
    for (int mode = 0; mode < kGenerateModeCount; ++mode) {
        auto* button = new QRadioButton(uiText(texts::kGenerateModeCaptions[mode]));
        button->setObjectName(QStringLiteral("rbMode%1").arg(mode));
        m_modes->addButton(button, mode);
        modeLayout->addWidget(button);
    }
    // A mode outside the list generates the full set, and is shown as such.
    const int mode = defaults.Mode < kGenerateModeCount ? int{defaults.Mode} : int{kGenerateFull};
    m_modes->button(mode)->setChecked(true);

    m_parameters = new QLineEdit(this);
    m_parameters->setObjectName(QStringLiteral("edParameters"));
    m_parameters->setMaxLength(static_cast<int>(kGenerateParametersMax));
    m_parameters->setText(toQString(defaults.Parameters));
    auto* parametersLabel = new QLabel(uiText(texts::kGenerateParamsLabel), this);
    parametersLabel->setBuddy(m_parameters);
    m_browse = new QPushButton(uiText(texts::kBrowseButton), this);
    m_browse->setObjectName(QStringLiteral("btnFile"));
    m_browse->setFixedWidth(m_browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);

    m_saveDefaults = new QCheckBox(uiText(texts::kGenerateSaveDefaults), this);
    m_saveDefaults->setObjectName(QStringLiteral("cbSaveDefaults"));
    m_saveDefaults->setChecked(false);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* parameterRow = new QHBoxLayout;
    parameterRow->addWidget(m_parameters, 1);
    parameterRow->addWidget(m_browse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeBox);
    layout->addWidget(parametersLabel);
    layout->addLayout(parameterRow);
    layout->addWidget(m_saveDefaults);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    connect(m_modes, &QButtonGroup::idToggled, this, [this] { updateEnabling(); });
    connect(m_browse, &QPushButton::clicked, this, &GenerateDialog::browse);
    updateEnabling();
    setMinimumWidth(460);
}

void GenerateDialog::updateEnabling() {
    const int mode = m_modes->checkedId();
    m_parameters->setEnabled(mode >= kGenerateAnyOf && mode <= kGenerateFromFile);
    m_browse->setEnabled(mode == kGenerateFromFile);
}

void GenerateDialog::browse() {
    if (!m_chooseFile) {
        return;
    }
    const QString path = m_chooseFile();
    if (!path.isEmpty()) {
        m_parameters->setText(path);
    }
}

GenerateParams GenerateDialog::params() const {
    GenerateParams params;
    params.Mode = static_cast<uint8_t>(std::max(0, m_modes->checkedId()));
    params.Parameters = toStdString(m_parameters->text());
    return normalizedParams(params);
}

bool GenerateDialog::saveAsDefaults() const {
    return m_saveDefaults->isChecked();
}

}  // namespace pentad
