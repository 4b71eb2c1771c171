#pragma once

#include "FilterExpression.h"

#include <QDialog>

#include <functional>

class QComboBox;
class Table;
class Workspace;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The filter window: composes a filter expression from one or two
// conditions, lets an expert edit the text, and switches the open table's
// filter on and off. Created once; choices, parts, values and the chosen
// fields last for the whole run.
class TFilterForm : public QDialog
{
    Q_OBJECT
public:
    explicit TFilterForm(Workspace &workspace, QWidget *parent = nullptr);

    const FilterExpression &parts() const { return m_parts; }
    int comparison1() const { return m_comparison1; }
    int comparison2() const { return m_comparison2; }
    int connector() const { return m_connector; }

    // Shows the window modally under the rule for modal windows.
    void showModal();

    // --- handlers ---
    void Field1ComboBoxChange();
    void Field2ComboBoxChange();
    void Exp1EditChange();
    void Exp2EditChange();
    void Operate1BtnClick();
    void Operate2BtnClick();
    void ConectorBtnClick();
    void UpdateExpressionEdit();
    void OnBitBtnClick();
    void OffBitBtnClick();
    void HilfeBitBtnClick();

signals:
    // "Filter an" or "Filter aus" switched the open table's filter.
    void filterSwitched(bool on);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormActivate();
    Table *table() const;
    void switchFilter(bool on);

    Workspace &m_workspace;
    FilterExpression m_parts;
    int m_comparison1 = 1;
    int m_comparison2 = 1;
    int m_connector = 1;
    bool m_escapePressed = false;

    QLabel *Label7;
    QGroupBox *GroupBox1;
    QComboBox *Field1ComboBox;
    QPushButton *Operate1Btn;
    QLineEdit *Exp1Edit;
    QPushButton *ConectorBtn;
    QGroupBox *GroupBox2;
    QComboBox *Field2ComboBox;
    QPushButton *Operate2Btn;
    QLineEdit *Exp2Edit;
    QLabel *Label8;
    QLineEdit *ExpressionEdit;
    QPushButton *OnBitBtn;
    QPushButton *OffBitBtn;
    QPushButton *HilfeBitBtn;
    QPushButton *CloseButton;
};
