#pragma once

#include <QDialog>

class Workspace;
class QLabel;
class QLineEdit;
class QPushButton;
class UserInterface;

// The window that marks every record holding a wording (TFilter2Form). It
// stays open after each run, so the user can mark for several wordings in
// turn; Enter anywhere in it runs the marking, Esc closes it.
class TFilter2Form : public QDialog
{
    Q_OBJECT
public:
    explicit TFilter2Form(Workspace &workspace, QWidget *parent = nullptr);

    // Marks the matching records from the table's current record on.
    void MarkMatchingRecords();

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *AbortButton = nullptr;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Edit1Change();

    Workspace &m_ws;
};
