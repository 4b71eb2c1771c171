#include "view/Filter2Form.h"

#include "app/Workspace.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "catalogue/TableError.h"
#include "platform/UserInterface.h"
#include "view/Marking.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TFilter2Form::TFilter2Form(Workspace &workspace, QWidget *parent) : QDialog(parent), m_ws(workspace)
{
    setObjectName(QStringLiteral("Filter2Form"));
    setWindowTitle(QStringLiteral("Filter"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Alle Datensätze mit folgendem Wortlaut markieren"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    layout->addWidget(Label1);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(320);
    layout->addWidget(Edit1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = new QPushButton(QStringLiteral("Ok"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    AbortButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbortButton->setObjectName(QStringLiteral("AbortButton"));
    for (QPushButton *b : {OKButton, AbortButton}) {
        // Enter is this window's own key: it marks, whichever control has the focus.
        b->setAutoDefault(false);
        b->setDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    for (QWidget *w : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(OKButton),
                       static_cast<QWidget *>(AbortButton)})
        w->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TFilter2Form::Edit1Change);
    connect(OKButton, &QPushButton::clicked, this, &TFilter2Form::MarkMatchingRecords);
    connect(AbortButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TFilter2Form::MarkMatchingRecords()
{
    Table *table = m_ws.table();
    if (!table)
        return;
    m_ws.run([&] {
        const WaitCursor wait(m_ws.ui());
        ::MarkMatchingRecords(*table, Edit1->text());
    });
}

void TFilter2Form::Edit1Change()
{
    // A new wording is looked for from the first record again.
    if (Table *table = m_ws.table())
        m_ws.run([table] { table->first(); });
}

bool TFilter2Form::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Edit1->setFocus();
    return QDialog::event(event);
}

bool TFilter2Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key)) {
            MarkMatchingRecords();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFilter2Form::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        MarkMatchingRecords();
        return;
    }
    QDialog::keyPressEvent(event); // Esc closes
}

void TFilter2Form::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isVisible()) {
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}
