// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_dialog.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "button_texts.h"
#include "gui_texts.h"
#include "qt_text.h"

namespace pentad {
namespace {

constexpr int kIconSize = 64;

}  // namespace

AboutDialog::AboutDialog(const QString& title, const QString& version, const QString& dataFolder,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kCmdAbout));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(title, this);
    name->setObjectName(QStringLiteral("lbTitle"));
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    name->setFont(bold);
    name->setWordWrap(true);
    auto* versionLabel =
        new QLabel(uiText(texts::kAboutVersion).replace(QStringLiteral("%s"), version),
                   this);
    versionLabel->setObjectName(QStringLiteral("lbVersion"));
    auto* folder = new QLabel(uiText(texts::kAboutDataFolder) + QLatin1Char(' ') +
                                  QDir::toNativeSeparators(dataFolder),
                              this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setWordWrap(true);
    auto* license = new QLabel(uiText(texts::kAboutLicense), this);
    license->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(versionLabel);
    text->addSpacing(8);
    text->addWidget(folder);
    text->addWidget(license);
    text->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(dialogButtons(*this, QDialogButtonBox::Ok));
    setMinimumWidth(520);
}

}  // namespace pentad
