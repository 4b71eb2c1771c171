#pragma once

#include <QDialog>

class Workspace;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The database chooser: lists the catalogue by display name and either
// hands back the chosen descriptor (open mode) or deletes it (delete mode).
class TSelectDatabaseForm : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Open, Delete };

    explicit TSelectDatabaseForm(Workspace &workspace, QWidget *parent = nullptr);

    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }
    // Lasts from one showing to the next; empty until something was chosen.
    QString chosenName() const { return m_chosen; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ListBox1DblClick();
    void OpenBitBtnClick();
    void DeleteBitBtnClick();
    bool takeSelection();

    Workspace &m_ws;
    Mode m_mode = Mode::Open;
    QString m_chosen;
    QListWidget *m_list;
    QLabel *m_top;
    QPushButton *m_open;
    QPushButton *m_delete;
    QPushButton *m_abort;
};
