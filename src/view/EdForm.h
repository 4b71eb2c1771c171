#pragma once

#include "platform/Platform.h"
#include "view/DoUpdatesForm.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

class MainDatabase;
class Workspace;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class Table;

enum TEditorMode { emEdit = 0, emNew = 1, emDelete = 2 };

// The record editor. It has no fixed layout: each opening builds one row per
// line of the open database's field definitions - a caption and a control
// bound to the current record ("Edit_", "Combo_" or "Check_" + field name) -
// and destroys the rows again when it closes. The same window enters a new
// record, edits the current one or confirms its deletion.
class TEdForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEdForm(Workspace &workspace, QWidget *parent = nullptr);
    ~TEdForm() override;

    // Builds the rows for the mode, shows the window modally and returns
    // QDialog::Accepted (saved or deletion answered) or QDialog::Rejected.
    int ShowEditor(TEditorMode mode);
    TEditorMode editorMode() const { return m_mode; }

    TDoUpdatesForm &doUpdates() { return m_doUpdates; }

    // --- handlers ---
    void OKSpeedButtonClick();
    void AbortSpeedButtonClick();
    void HilfeBitBtnClick();
    void RefreshTimerTimer();
    bool FormCloseQuery() const { return CloseAllowed; }

    // Whether the window may close; set by the save and cancel actions.
    bool CloseAllowed = false;

    QLabel *ESLabel1 = nullptr;
    QToolButton *OKSpeedButton = nullptr;
    QToolButton *AbortSpeedButton = nullptr;
    QPushButton *HilfeBitBtn = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QTimer *RefreshTimer = nullptr;

public slots:
    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class RowKind { Edit, Combo, Check };
    struct FieldRow
    {
        QString name;
        RowKind kind = RowKind::Edit;
        QPointer<QWidget> control;
        QPointer<QLabel> label;
        bool modified = false; // changed by the user, not yet written to the record
    };

    // False when the new record could not be appended; nothing is shown then.
    bool BuildFieldControls();
    void FreeFieldControls();
    void FormShow();
    void FormActivate();
    // The key handler of the generated controls and the help button; true
    // when it used the key.
    bool EditKeyDown(int key);
    void focusNeighbour(bool next);

    Table *table() const;
    void userChanged(FieldRow &row);
    // Writes the rows the user changed into the record; a value the field
    // does not take is reported and its control gets the focus.
    bool writeChangedRows();
    void showModeColours();

    Workspace &m_ws;
    MainDatabase &m_database;
    TDoUpdatesForm m_doUpdates;
    TEditorMode m_mode = emEdit;
    QWidget *m_fieldArea = nullptr;
    QList<FieldRow> m_rows;
    int m_refreshCount = 0;
};
