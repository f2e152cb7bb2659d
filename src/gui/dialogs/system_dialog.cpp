// SPDX-License-Identifier: GPL-3.0-or-later
// The system dialog: the record's fields, the combination box with its
// clipboard and file buttons, normalising the box and checking the record.
#include "dialogs/system_dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "button_texts.h"
#include "date_convert.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/shell.h"
#include "shell/text_utils.h"
#include "systems/system_texts.h"

namespace pentad {
namespace {

constexpr const char* kDateFormat = "yyyy-MM-dd hh:mm:ss";

QString fromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

QString dateText(DateTime value) {
    if (value <= 0) {
        return {};
    }
    return toQDateTime(value).toString(fromUtf8(kDateFormat));
}

// 0 for an empty or unreadable field.
DateTime dateOf(const QString& text) {
    const QDateTime value = QDateTime::fromString(text.trimmed(), fromUtf8(kDateFormat));
    return value.isValid() ? fromQDateTime(value.date(), value.time()) : 0;
}

// The non-empty lines of the box.
std::vector<std::string> boxLines(const QPlainTextEdit* box) {
    std::vector<std::string> lines;
    for (const std::string& line : splitLines(toStdString(box->toPlainText()))) {
        if (!trim(line).empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

uint8_t smallNumber(const QLineEdit* field) {
    return static_cast<uint8_t>(std::clamp(field->text().toInt(), 0, 255));
}

}  // namespace

SystemDialog::SystemDialog(Shell& shell, const tSystemData& data, bool editable,
                           FileChooser chooseFile, QWidget* parent)
    : QDialog(parent),
      m_shell(shell),
      m_original(data),
      m_editable(editable),
      m_chooseFile(std::move(chooseFile)) {
    setWindowTitle(uiText(texts::kSystemDialogCaption));
    const tSystemInfo& info = data.Info;

    m_title = addField("edTitle", editable);
    m_title->setText(toQString(info.Title));
    m_nums = addField("edNums", editable);
    m_olap = addField("edOlap", editable);
    // The numeric fields take digits only.
    for (QLineEdit* field : {m_nums, m_olap}) {
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
        field->setMaxLength(3);
        field->setMaximumWidth(60);
    }
    m_nums->setText(info.Nums > 0 ? QString::number(info.Nums) : QString());
    m_olap->setText(QString::number(info.Olap));
    m_length = addField("edLength", false);
    m_length->setText(QStringLiteral("5"));
    m_length->setMaximumWidth(60);
    m_size = addField("edCSize", false);
    m_size->setText(QString::number(info.CSize));
    m_size->setMaximumWidth(80);
    m_author = addField("edAuthor", editable);
    m_author->setText(toQString(info.Author));
    m_descr = new QPlainTextEdit(this);
    m_descr->setObjectName(QStringLiteral("edDescr"));
    m_descr->setReadOnly(!editable);
    m_descr->setTabChangesFocus(true);
    m_descr->setPlainText(toQString(info.Descr));
    m_descr->setFixedHeight(m_descr->fontMetrics().height() * 3 + 12);
    m_created = addField("edCreated", false);
    m_created->setText(dateText(info.Created));
    m_downloads = addField("edDownloads", false);
    m_downloads->setText(QString::number(info.Downloads));
    m_last = addField("edLast", false);
    m_last->setText(dateText(info.LastDownload));
    const int dateWidth =
        m_created->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 16;
    m_created->setFixedWidth(dateWidth);
    m_last->setFixedWidth(dateWidth);
    m_downloads->setMaximumWidth(80);
    m_url = addField("edUrl", editable);
    m_url->setText(toQString(info.URL));
    m_openUrl = new QPushButton(uiText(texts::kSystemOpenUrl), this);
    m_openUrl->setObjectName(QStringLiteral("btnUrl"));
    m_openUrl->setAutoDefault(false);

    m_combs = new QPlainTextEdit(this);
    m_combs->setObjectName(QStringLiteral("mmCombs"));
    m_combs->setReadOnly(!editable);
    m_combs->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_combs->setPlainText(
        toQString(data.CList).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    m_combs->installEventFilter(this);
    m_normalText = m_combs->toPlainText();

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(uiText(text), this);
        l->setBuddy(buddy);
        return l;
    };
    // A row of labelled fields after the row's own label.
    auto row = [&](std::initializer_list<std::pair<const char*, QWidget*>> fields) {
        auto* line = new QHBoxLayout;
        for (const auto& [text, field] : fields) {
            if (field != fields.begin()->second) {
                line->addSpacing(8);
                line->addWidget(label(text, field));
            }
            line->addWidget(field);
        }
        line->addStretch(1);
        return line;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(label(texts::kSystemTitleLabel, m_title), 0, 0);
    grid->addWidget(m_title, 0, 1);
    grid->addWidget(label(texts::kSystemNumsLabel, m_nums), 1, 0);
    grid->addLayout(row({{texts::kSystemNumsLabel, m_nums},
                         {texts::kSystemOlapLabel, m_olap},
                         {texts::kSystemLengthLabel, m_length},
                         {texts::kSystemCSizeLabel, m_size}}),
                    1, 1);
    grid->addWidget(label(texts::kSystemAuthorLabel, m_author), 2, 0);
    grid->addWidget(m_author, 2, 1);
    grid->addWidget(label(texts::kSystemDescrLabel, m_descr), 3, 0, Qt::AlignTop);
    grid->addWidget(m_descr, 3, 1);
    grid->addWidget(label(texts::kSystemCreatedLabel, m_created), 4, 0);
    grid->addLayout(row({{texts::kSystemCreatedLabel, m_created},
                         {texts::kSystemLastLabel, m_last},
                         {texts::kSystemDownloadsLabel, m_downloads}}),
                    4, 1);
    auto* urlRow = new QHBoxLayout;
    urlRow->addWidget(m_url, 1);
    urlRow->addWidget(m_openUrl);
    grid->addWidget(label(texts::kSystemUrlLabel, m_url), 5, 0);
    grid->addLayout(urlRow, 5, 1);
    grid->setColumnStretch(1, 1);

    auto* boxButtons = new QHBoxLayout;
    auto addButton = [&](const char* text, const char* name, bool enabled) {
        auto* button = new QPushButton(uiText(text), this);
        button->setObjectName(QString::fromUtf8(name));
        button->setAutoDefault(false);
        button->setEnabled(enabled);
        boxButtons->addWidget(button);
        return button;
    };
    connect(addButton(texts::kSystemCopy, "btnCopy", true), &QPushButton::clicked, m_combs,
            &QPlainTextEdit::copy);
    connect(addButton(texts::kSystemPaste, "btnPaste", editable), &QPushButton::clicked, m_combs,
            &QPlainTextEdit::paste);
    connect(addButton(texts::kSystemSelectAll, "btnSelectAll", true), &QPushButton::clicked, this,
            [this] {
                m_combs->setFocus();
                m_combs->selectAll();
            });
    boxButtons->addStretch(1);
    connect(addButton(texts::kSystemLoadFile, "btnLoad", editable), &QPushButton::clicked, this,
            &SystemDialog::loadFile);
    connect(addButton(texts::kSystemSaveFile, "btnSave", true), &QPushButton::clicked, this,
            &SystemDialog::saveFile);

    QDialogButtonBox* buttons =
        dialogButtons(*this, editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                      : QDialogButtonBox::Close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addWidget(label(texts::kSystemCombsLabel, m_combs));
    layout->addWidget(m_combs, 1);
    layout->addLayout(boxButtons);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    m_openUrl->setEnabled(!m_url->text().trimmed().isEmpty());
    connect(m_url, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_openUrl->setEnabled(!text.trimmed().isEmpty()); });
    connect(m_openUrl, &QPushButton::clicked, this,
            [this] { m_shell.openAddress(toStdString(m_url->text().trimmed())); });
    resize(700, 560);
}

QLineEdit* SystemDialog::addField(const char* name, bool editable) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromUtf8(name));
    field->setReadOnly(!editable);
    return field;
}

tSystemData SystemDialog::data() const {
    tSystemData data;
    data.Info = m_original.Info;
    tSystemInfo& info = data.Info;
    info.Title = toStdString(m_title->text().trimmed());
    info.Nums = smallNumber(m_nums);
    info.Olap = smallNumber(m_olap);
    info.Author = toStdString(m_author->text().trimmed());
    info.Descr = toStdString(m_descr->toPlainText().trimmed());
    info.URL = toStdString(m_url->text().trimmed());
    info.Created = dateOf(m_created->text());
    if (info.Created <= 0) {
        info.Created = nowDateTime();
    }
    info.Downloads = m_downloads->text().toInt();
    info.LastDownload = dateOf(m_last->text());
    const std::vector<std::string> lines = boxLines(m_combs);
    info.CSize = static_cast<int32_t>(lines.size());
    data.CList = join(lines, "\r\n");
    return data;
}

bool SystemDialog::normalise() {
    std::vector<std::string> lines;
    try {
        lines = normalizeSystemLines(toStdString(m_combs->toPlainText()));
    } catch (const std::exception& e) {
        m_shell.error(e.what());
        return false;
    }
    const QString text = toQString(join(lines, "\n"));
    if (m_combs->toPlainText() != text) {
        m_combs->setPlainText(text);
    }
    m_normalText = text;
    m_nums->setText(QString::number(systemNumbersOf(lines)));
    m_size->setText(QString::number(lines.size()));
    return true;
}

void SystemDialog::accept() {
    if (!m_editable) {
        QDialog::accept();
        return;
    }
    if (m_combs->toPlainText() != m_normalText && !normalise()) {
        m_combs->setFocus();
        return;
    }
    const tSystemData edited = data();
    const std::optional<std::string> problem = validateSystem(edited);
    if (!problem) {
        QDialog::accept();
        return;
    }
    m_shell.error(*problem);
    const std::pair<const char*, QWidget*> fields[] = {
        {texts::kNeedTitle, m_title},   {texts::kBadNums, m_nums},    {texts::kBadOlap, m_olap},
        {texts::kNeedAuthor, m_author}, {texts::kNeedDescr, m_descr}, {texts::kNeedCombs, m_combs},
    };
    for (const auto& [message, field] : fields) {
        if (*problem == message) {
            field->setFocus();
        }
    }
}

bool SystemDialog::eventFilter(QObject* watched, QEvent* event) {
    // A context menu or another window taking the focus does not leave the box.
    if (watched == m_combs && event->type() == QEvent::FocusOut && m_editable) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            m_combs->toPlainText() != m_normalText) {
            normalise();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SystemDialog::loadFile() {
    const QString path = m_chooseFile ? m_chooseFile(false) : QString();
    if (path.isEmpty()) {
        return;
    }
    std::string text;
    if (m_shell.guardWith([](const std::string& e) { return e; },
                          [&] { text = cp1251ToUtf8(readFileBytes(toStdString(path))); })) {
        m_combs->setPlainText(toQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        normalise();
    }
}

void SystemDialog::saveFile() {
    const QString path = m_chooseFile ? m_chooseFile(true) : QString();
    if (path.isEmpty()) {
        return;
    }
    std::string text;
    for (const std::string& line : boxLines(m_combs)) {
        text += line + "\r\n";
    }
    m_shell.guardWith([](const std::string& e) { return e; },
                      [&] { writeFileAtomic(toStdString(path), utf8ToCp1251(text)); });
}

}  // namespace pentad
