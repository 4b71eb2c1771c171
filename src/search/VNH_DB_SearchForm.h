#pragma once

#include "RecordSearch.h"

#include <QColor>
#include <QDialog>

#include <functional>

class QCheckBox;
class Table;
class Workspace;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The search window: finds the next record of the open table holding the
// search text, exactly or by the fuzzy rule, forwards or backwards, and
// leaves the table on it so it can be edited or deleted at once. Created
// once; the check boxes keep their state from one showing to the next.
class TVNH_DB_SearchForm : public QDialog
{
    Q_OBJECT
public:
    explicit TVNH_DB_SearchForm(Workspace &workspace, QWidget *parent = nullptr);

    // The upper gradient, top to bottom; the check boxes on it follow.
    void setUpperGradient(const QColor &top, const QColor &bottom);
    QColor upperGradientTop() const { return m_gradientTop; }
    QColor upperGradientBottom() const { return m_gradientBottom; }

    // Shows the window modally under the rule for modal windows.
    void showModal();

    bool searchContinues() const { return m_search.searchContinues(); }

    // --- handlers ---
    void Edit1Change();
    void GrossKleinCheckBoxClick();
    void LDCheckBoxClick();
    void Hilfebtn1Click();
    void ReverseCheckboxClick();
    void OKButtonClick();
    void BearbeitenBitBtnClick();
    void DeleteBitBtnClick();
    void SearchExact(bool backwards);
    void SearchFuzzy(bool backwards);

signals:
    // "Bearbeiten (F4)" and "Löschen (F8)": the editor on the found record.
    void editRequested();
    void deleteRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormActivate();
    void Reset();
    void MakeColors();
    void setResultShown(bool shown);
    void showResult(const RecordSearch::Result &result, bool fuzzy);
    bool FormKeyUp(int key);
    Table *table() const;

    Workspace &m_workspace;
    RecordSearch m_search;
    QColor m_gradientTop;
    QColor m_gradientBottom;
    int m_pressedKey = 0;

    QWidget *Panel1;
    QLabel *Label1;
    QLineEdit *Edit1;
    QCheckBox *GrossKleinCheckBox;
    QCheckBox *LDCheckBox;
    QPushButton *Hilfebtn1;
    QCheckBox *ReverseCheckbox;
    QLabel *ErgLabel;
    QLabel *ResultLabel1;
    QLabel *ResultLabel2;
    QLabel *ResultLabel3;
    QPushButton *BearbeitenBitBtn;
    QPushButton *DeleteBitBtn;
    QPushButton *OKButton;
    QPushButton *BitBtn1;
};
