// The commands that open the record editor.

#include "app/MainForm.h"
#include "catalogue/MainDatabase.h"
#include "catalogue/Table.h"
#include "platform/UserInterface.h"

#include <QAction>
#include <QPushButton>

void MainForm::CreateEditorWindow()
{
    EdForm1 = new TEdForm(*m_db, m_platform, m_folders.helpFolder + m_profile.helpPage, this);
    connect(NewRec, &QAction::triggered, this, &MainForm::NewRecord);
    connect(EditRec, &QAction::triggered, this, &MainForm::EditRecord);
    connect(DeleteRec, &QAction::triggered, this, &MainForm::DeleteRecord);
    for (QPushButton *b : {BitBtn2, NewBitBtn})
        connect(b, &QPushButton::clicked, this, &MainForm::NewRecord);
    for (QPushButton *b : {BitBtn3, EditBitBtn})
        connect(b, &QPushButton::clicked, this, &MainForm::EditRecord);
    connect(BitBtn9, &QPushButton::clicked, this, &MainForm::DeleteRecord);
    BitBtn2->setToolTip(QStringLiteral("Neue Adresse in die Datenbank eingeben"));
    NewBitBtn->setToolTip(QStringLiteral("Neue Adresse in die Datenbank eingeben"));
    BitBtn3->setToolTip(QStringLiteral("Vorhandenen Adresse in der Datenbank bearbeiten"));
    EditBitBtn->setToolTip(QStringLiteral("Vorhandenen Adresse in der Datenbank bearbeiten"));
    BitBtn9->setToolTip(QStringLiteral("Vorhandenen Adresse in der Datenbank löschen"));
}

void MainForm::ShowEditor(TEditorMode mode)
{
    runCommand([this, mode] {
        Table *table = m_db->table();
        if (!table || !table->isOpen()) {
            m_platform.ui.information(QStringLiteral("Zuerst Datenbank öffnen!"));
            return;
        }
        // The wheel translation stays on while the editor is up.
        EdForm1->ShowEditor(mode);
        DBGrid1->setFocus();
    });
}

void MainForm::NewRecord()
{
    ShowEditor(emNew);
}

void MainForm::EditRecord()
{
    ShowEditor(emEdit);
}

void MainForm::DeleteRecord()
{
    ShowEditor(emDelete);
}
