#include "view/EdForm.h"

#include "app/Workspace.h"
#include "catalogue/Companion.h"
#include "catalogue/FieldDefinitions.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "util/ShellHelpers.h"
#include "util/TextCase.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kRowHeight = 20;
constexpr int kControlLeft = 120;
constexpr int kLabelLeft = 20;
constexpr int kRowWidth = 250;
constexpr int kVisibleComboEntries = 40;

const QString kBooleanType = QStringLiteral("ftBoolean");

// Key fields and the archive flag are kept out of the user's sight.
bool isHiddenField(const QString &name)
{
    return name.contains(QStringLiteral("ID")) || AsciiUpper(name) == QStringLiteral("ARCHIVE");
}

void setTextColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}

} // namespace

TEdForm::TEdForm(Workspace &workspace, QWidget *parent)
    : QDialog(parent), m_ws(workspace), m_database(workspace.database()),
      m_doUpdates(workspace.database())
{
    setObjectName(QStringLiteral("EdForm"));
    setWindowTitle(QStringLiteral("Editor"));
    // A tool window without border icons that stays above the main window.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setModal(true);

    auto *top = new QWidget(this);
    top->setObjectName(QStringLiteral("TopPanel"));
    ESLabel1 = new QLabel(top);
    ESLabel1->setObjectName(QStringLiteral("ESLabel1"));
    QFont headingFont = ESLabel1->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 2);
    ESLabel1->setFont(headingFont);

    // Speed buttons never take the focus, so it stays on the field rows.
    OKSpeedButton = new QToolButton(top);
    OKSpeedButton->setObjectName(QStringLiteral("OKSpeedButton"));
    OKSpeedButton->setText(QStringLiteral("Speichern (F2)"));
    OKSpeedButton->setFocusPolicy(Qt::NoFocus);
    OKSpeedButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    AbortSpeedButton = new QToolButton(top);
    AbortSpeedButton->setObjectName(QStringLiteral("AbortSpeedButton"));
    AbortSpeedButton->setText(QStringLiteral("Abbrechen (Esc)"));
    AbortSpeedButton->setFocusPolicy(Qt::NoFocus);
    AbortSpeedButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    HilfeBitBtn = new QPushButton(QStringLiteral("Hilfe"), top);
    HilfeBitBtn->setObjectName(QStringLiteral("HilfeBitBtn"));
    // Enter belongs to the key handler, never to a default button.
    HilfeBitBtn->setAutoDefault(false);
    HilfeBitBtn->setDefault(false);
    HilfeBitBtn->installEventFilter(this);

    auto *topLayout = new QHBoxLayout(top);
    topLayout->addWidget(ESLabel1, 1);
    topLayout->addWidget(OKSpeedButton);
    topLayout->addWidget(AbortSpeedButton);
    topLayout->addWidget(HilfeBitBtn);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setWidgetResizable(false);
    m_fieldArea = new QWidget;
    m_fieldArea->setObjectName(QStringLiteral("FieldArea"));
    m_fieldArea->resize(kControlLeft + kRowWidth + 10, 0);
    ScrollBox1->setWidget(m_fieldArea);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(top);
    layout->addWidget(ScrollBox1, 1);

    RefreshTimer = new QTimer(this);
    RefreshTimer->setObjectName(QStringLiteral("RefreshTimer"));
    RefreshTimer->setInterval(100);

    connect(OKSpeedButton, &QToolButton::clicked, this, &TEdForm::OKSpeedButtonClick);
    connect(AbortSpeedButton, &QToolButton::clicked, this, &TEdForm::AbortSpeedButtonClick);
    connect(HilfeBitBtn, &QPushButton::clicked, this, &TEdForm::HilfeBitBtnClick);
    connect(RefreshTimer, &QTimer::timeout, this, &TEdForm::RefreshTimerTimer);

    resize(440, 480);
}

TEdForm::~TEdForm() = default;

Table *TEdForm::table() const
{
    return m_ws.table();
}

int TEdForm::ShowEditor(TEditorMode mode)
{
    m_mode = mode;
    // Every opening starts closed to a bare close; only save and cancel open it.
    CloseAllowed = false;
    setResult(QDialog::Rejected);
    if (!m_ws.requireTable())
        return QDialog::Rejected;
    if (!BuildFieldControls()) {
        FreeFieldControls();
        return QDialog::Rejected;
    }
    const int result = exec();
    RefreshTimer->stop();
    FreeFieldControls();
    return result;
}

bool TEdForm::BuildFieldControls()
{
    FreeFieldControls();
    Table *t = table();
    if (m_mode == emNew) {
        try {
            t->append();
        } catch (const TableError &e) {
            // A pending edit that the store refused to post.
            m_ws.ui().error(e.message());
            return false;
        }
    }
    switch (m_mode) {
    case emNew:
        ESLabel1->setText(QStringLiteral("Neueingabe"));
        break;
    case emEdit:
        ESLabel1->setText(QStringLiteral("Bearbeiten"));
        break;
    case emDelete:
        ESLabel1->setText(QStringLiteral("Löschen"));
        break;
    }
    showModeColours();

    const QStringList &definitions = m_database.fieldDefinitionLines();
    const QStringList &combos = m_database.comboLines();
    int r = 0;
    for (int i = 1; i < definitions.size(); ++i) {
        const FieldDefinitionLine line = FieldDefinitionLine::parse(definitions.at(i));
        if (line.name.isEmpty())
            continue; // a blank line defines no field
        ++r;
        const bool visible = !isHiddenField(line.name);
        const int top = (r - 1) * kRowHeight;
        Field field = t->findField(line.name);

        FieldRow row;
        row.name = line.name;
        QWidget *control = nullptr;
        if (HasComboList(combos, line.name)) {
            row.kind = RowKind::Combo;
            auto *combo = new QComboBox(m_fieldArea);
            combo->setObjectName(QStringLiteral("Combo_") + line.name);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setMaxVisibleItems(kVisibleComboEntries);
            combo->addItems(ComboEntries(combos, line.name));
            if (m_mode == emNew)
                m_doUpdates.SetNewRecordDefaults(line.name);
            const QString value = field.isValid() ? field.asString() : QString();
            combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly));
            combo->setEditText(value);
            control = combo;
        } else if (line.typeName != kBooleanType) {
            row.kind = RowKind::Edit;
            auto *edit = new QLineEdit(m_fieldArea);
            edit->setObjectName(QStringLiteral("Edit_") + line.name);
            if (m_mode == emNew)
                m_doUpdates.SetNewRecordDefaults(line.name);
            if (field.isValid()) {
                if (field.type() == FieldType::String)
                    edit->setMaxLength(field.size());
                // The store numbers these itself.
                edit->setReadOnly(field.type() == FieldType::AutoInc);
                edit->setText(field.asString());
            }
            control = edit;
        } else {
            row.kind = RowKind::Check;
            auto *check = new QCheckBox(m_fieldArea);
            check->setObjectName(QStringLiteral("Check_") + line.name);
            check->setProperty("tag", r);
            if (m_mode == emNew && field.isValid()) {
                // A new address starts marked, every other flag off.
                try {
                    field.setAsBoolean(line.name == QStringLiteral("Selected"));
                } catch (const TableError &e) {
                    m_ws.ui().error(e.message());
                }
            }
            check->setChecked(field.isValid() && field.asBoolean());
            control = check;
        }
        // A definition line without a field in the table has nothing to bind to.
        control->setEnabled(field.isValid());
        control->setGeometry(kControlLeft, top, kRowWidth, kRowHeight);
        control->setVisible(visible);
        control->installEventFilter(this);
        row.control = control;

        auto *label = new QLabel(line.shownName(), m_fieldArea);
        label->setObjectName(QStringLiteral("Label_") + line.name);
        label->setGeometry(kLabelLeft, top + 2, kRowWidth, kRowHeight);
        label->setVisible(visible);
        // The caption runs under the control; clicks belong to the control.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->lower();
        row.label = label;
        m_rows.append(row);
    }

    // Binding: a change by the user enters the edit state and marks the row.
    for (int i = 0; i < m_rows.size(); ++i) {
        QWidget *control = m_rows.at(i).control;
        const auto changed = [this, i] {
            if (i < m_rows.size())
                userChanged(m_rows[i]);
        };
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, changed);
            connect(combo, &QComboBox::activated, this, changed);
            combo->lineEdit()->setReadOnly(m_mode == emDelete);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            connect(edit, &QLineEdit::textEdited, this, changed);
            if (m_mode == emDelete)
                edit->setReadOnly(true);
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            connect(check, &QCheckBox::clicked, this, changed);
        }
    }

    // The focus runs down the rows, then to the help button.
    QWidget *previous = nullptr;
    for (const FieldRow &row : std::as_const(m_rows)) {
        if (previous)
            QWidget::setTabOrder(previous, row.control);
        previous = row.control;
    }
    if (previous)
        QWidget::setTabOrder(previous, HilfeBitBtn);

    m_fieldArea->resize(kControlLeft + kRowWidth + 10, r * kRowHeight + 4);
    ScrollBox1->verticalScrollBar()->setValue(0);
    return true;
}

void TEdForm::FreeFieldControls()
{
    for (const FieldRow &row : std::as_const(m_rows)) {
        delete row.control.data();
        delete row.label.data();
    }
    m_rows.clear();
    m_fieldArea->resize(kControlLeft + kRowWidth + 10, 0);
}

void TEdForm::userChanged(FieldRow &row)
{
    // Deletion only shows the record; nothing typed there is kept.
    if (m_mode == emDelete)
        return;
    Table *t = table();
    if (!t)
        return;
    try {
        if (t->state() == Table::State::Browse)
            t->edit();
        if (row.kind == RowKind::Check) {
            auto *check = qobject_cast<QCheckBox *>(row.control.data());
            t->fieldByName(row.name).setAsBoolean(check && check->isChecked());
            row.modified = false;
        } else {
            // Text is written when saving: a date or number may be half typed.
            row.modified = true;
        }
    } catch (const TableError &e) {
        m_ws.ui().error(e.message());
    }
}

bool TEdForm::writeChangedRows()
{
    Table *t = table();
    if (!t || (t->state() != Table::State::Edit && t->state() != Table::State::Insert))
        return true;
    for (FieldRow &row : m_rows) {
        if (!row.modified || !row.control)
            continue;
        QString text;
        if (auto *combo = qobject_cast<QComboBox *>(row.control.data()))
            text = combo->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(row.control.data()))
            text = edit->text();
        try {
            t->fieldByName(row.name).setAsString(text);
            row.modified = false;
        } catch (const TableError &e) {
            m_ws.ui().error(e.message());
            if (row.control->isVisible())
                row.control->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void TEdForm::OKSpeedButtonClick()
{
    Table *t = table();
    if (m_mode == emEdit || m_mode == emNew) {
        if (t && !writeChangedRows())
            return;
        if (t && (t->state() == Table::State::Edit || t->state() == Table::State::Insert) &&
            m_doUpdates.ValidateRecord()) {
            try {
                t->post();
            } catch (const TableError &e) {
                // The record stays in edit or insert state for the user to correct.
                m_ws.ui().error(e.message());
                CloseAllowed = false;
                return;
            }
            try {
                const Bookmark saved = t->bookmark();
                t->close();
                t->open();
                t->gotoBookmark(saved);
            } catch (const TableError &e) {
                m_ws.ui().error(e.message());
            }
        }
        // A failed reopen leaves nothing to edit; only a record in hand keeps the window.
        CloseAllowed =
            !t || (t->state() != Table::State::Edit && t->state() != Table::State::Insert);
    } else {
        if (m_ws.ui().confirm(QStringLiteral("Datensatz wirklich löschen?")) && t) {
            try {
                t->deleteRecord();
            } catch (const TableError &e) {
                m_ws.ui().error(e.message());
            }
        }
        CloseAllowed = true;
    }
    setResult(QDialog::Accepted);
    if (CloseAllowed)
        done(QDialog::Accepted);
}

void TEdForm::AbortSpeedButtonClick()
{
    if (Table *t = table()) {
        if (t->state() == Table::State::Edit || t->state() == Table::State::Insert)
            t->cancel(); // an appended record goes with it
    }
    for (FieldRow &row : m_rows)
        row.modified = false;
    CloseAllowed = true;
    done(QDialog::Rejected);
}

void TEdForm::HilfeBitBtnClick()
{
    ShowHelpPage(m_ws.platform(), m_ws.helpPagePath());
}

void TEdForm::done(int result)
{
    if (!FormCloseQuery())
        return;
    QDialog::done(result);
}

void TEdForm::reject()
{
    // Escape wherever the focus is, and the window's own close, cancel.
    AbortSpeedButtonClick();
}

void TEdForm::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TEdForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
    FormShow();
}

void TEdForm::FormActivate()
{
    OKSpeedButton->setText(m_mode == emDelete ? QStringLiteral("Löschen (F2)")
                                              : QStringLiteral("Speichern (F2)"));
    showModeColours();
}

void TEdForm::FormShow()
{
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    for (const FieldRow &row : std::as_const(m_rows)) {
        if (row.control && !row.control->isHidden() && row.control->isEnabled()) {
            row.control->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    // Some window managers leave the freshly placed rows unpainted; repaint
    // the field area for the first second.
    m_refreshCount = 0;
    RefreshTimer->start();
}

void TEdForm::RefreshTimerTimer()
{
    ScrollBox1->viewport()->update();
    ++m_refreshCount;
    if (m_refreshCount > 9)
        RefreshTimer->stop();
}

void TEdForm::showModeColours()
{
    const QColor colour = m_mode == emDelete ? QColor(Qt::red) : QColor(Qt::black);
    setTextColour(ESLabel1, QPalette::WindowText, colour);
    setTextColour(OKSpeedButton, QPalette::ButtonText, colour);
}

bool TEdForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool ours = watched == HilfeBitBtn ||
                          std::any_of(m_rows.cbegin(), m_rows.cend(), [watched](const FieldRow &r) {
                              return r.control == watched;
                          });
        if (ours && EditKeyDown(key->key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TEdForm::keyPressEvent(QKeyEvent *event)
{
    // F2 saves from anywhere in the window; Escape reaches reject().
    if (event->key() == Qt::Key_F2) {
        OKSpeedButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TEdForm::EditKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageDown:
        focusNeighbour(true);
        return true;
    case Qt::Key_PageUp:
        focusNeighbour(false);
        return true;
    case Qt::Key_F2:
        OKSpeedButtonClick();
        return true;
    case Qt::Key_Escape:
        AbortSpeedButtonClick();
        return true;
    default:
        return false; // arrow keys and the rest stay with the control
    }
}

void TEdForm::focusNeighbour(bool next)
{
    focusNextPrevChild(next);
    QWidget *focused = QApplication::focusWidget();
    if (focused && m_fieldArea->isAncestorOf(focused))
        ScrollBox1->ensureWidgetVisible(focused);
}
