#include "SelectDatabaseForm.h"

#include "MainDatabase.h"
#include "app/Workspace.h"
#include "platform/UserInterface.h"
#include "util/Words.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSelectDatabaseForm::TSelectDatabaseForm(Workspace &workspace, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_ws(workspace)
{
    setObjectName(QStringLiteral("SelectDatabaseForm"));
    setWindowTitle(QStringLiteral("Datenbank"));
    setModal(true);

    m_top = new QLabel(this);
    m_top->setObjectName(QStringLiteral("TopLabel"));
    QFont bold = m_top->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_top->setFont(bold);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setMinimumSize(320, 220);

    m_open = new QPushButton(QStringLiteral("Öffnen"), this);
    m_open->setObjectName(QStringLiteral("OpenBitBtn"));
    m_open->setDefault(true);
    m_delete = new QPushButton(QStringLiteral("Löschen"), this);
    m_delete->setObjectName(QStringLiteral("DeleteBitBtn"));
    m_abort = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_abort->setObjectName(QStringLiteral("AbortBitBtn"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_open);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_abort);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_top);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    connect(m_open, &QPushButton::clicked, this, [this] { OpenBitBtnClick(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteBitBtnClick(); });
    connect(m_abort, &QPushButton::clicked, this, &QDialog::reject);
}

void TSelectDatabaseForm::showEvent(QShowEvent *event)
{
    m_list->clear();
    const QStringList &lines = m_ws.database().catalogueLines();
    for (int i = 1; i < lines.size(); ++i)
        m_list->addItem(FieldAt(lines.at(i), 1));
    const bool open = m_mode == Mode::Open;
    m_top->setText(open ? QStringLiteral("Öffnen Datenbank") : QStringLiteral("Löschen Datenbank"));
    m_open->setVisible(open);
    m_delete->setVisible(!open);
    m_open->setDefault(open);
    m_delete->setDefault(!open);
    QDialog::showEvent(event);
}

bool TSelectDatabaseForm::takeSelection()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem() || !m_list->currentItem()->isSelected())
        return false;
    m_chosen = FieldAt(m_ws.database().catalogueLines().value(row + 1), 3);
    return true;
}

void TSelectDatabaseForm::ListBox1DblClick()
{
    if (takeSelection() && m_mode == Mode::Open)
        accept();
}

void TSelectDatabaseForm::OpenBitBtnClick()
{
    if (!takeSelection()) {
        m_ws.ui().information(QStringLiteral("Bitte treffen Sie zuerst eine Auswahl!"));
        reject();
        return;
    }
    accept();
}

void TSelectDatabaseForm::DeleteBitBtnClick()
{
    if (!takeSelection()) {
        m_ws.ui().information(QStringLiteral("Bitte treffen Sie zuerst eine Auswahl!"));
        reject();
        return;
    }
    const QString name = m_chosen;
    m_ws.run([&] { m_ws.database().DeleteDatabase(name); });
    accept();
}
