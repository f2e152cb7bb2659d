// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/update_offer_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "online/self_update.h"
#include "online/update_texts.h"
#include "qt_text.h"

namespace pentad {

UpdateOfferDialog::UpdateOfferDialog(const std::string& ownVersion, const UpdateOffer& offer,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kUpdateOfferCaption));
    setSizeGripEnabled(true);

    auto* own = new QLabel(toQString(ownVersion), this);
    own->setObjectName(QStringLiteral("lbCurrentVersion"));
    // A description without a name still tells which version is offered.
    const std::string& name =
        offer.data.Description.empty() ? offer.data.VerId : offer.data.Description;
    auto* offered = new QLabel(toQString(name), this);
    offered->setObjectName(QStringLiteral("lbNewVersion"));
    QFont bold = offered->font();
    bold.setBold(true);
    offered->setFont(bold);
    offered->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    form->addRow(uiText(texts::kUpdateCurrentVersion), own);
    form->addRow(uiText(texts::kUpdateNewVersion), offered);

    auto* notes = new QPlainTextEdit(this);
    notes->setObjectName(QStringLiteral("memoDescription"));
    notes->setReadOnly(true);
    notes->setPlainText(displayText(offer.descriptionText));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* install = buttons->addButton(uiText(texts::kUpdateInstallButton),
                                              QDialogButtonBox::AcceptRole);
    install->setObjectName(QStringLiteral("btnInstall"));
    install->setDefault(true);
    QPushButton* refuse = buttons->addButton(uiText(texts::kUpdateRefuseButton),
                                             QDialogButtonBox::RejectRole);
    refuse->setObjectName(QStringLiteral("btnRefuse"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(uiText(texts::kUpdateVersionDescription), this));
    layout->addWidget(notes, 1);
    layout->addWidget(buttons);
    resize(520, 400);
}

}  // namespace pentad
