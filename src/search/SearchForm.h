#pragma once

#include "RecordSearch.h"
#include "SearchContext.h"

#include <QColor>
#include <QDialog>

#include <functional>

class QCheckBox;
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
    explicit TVNH_DB_SearchForm(SearchContext context, QWidget *parent = nullptr);

    const SearchContext &context() const { return m_context; }

    // The upper gradient, top to bottom; the check boxes on it follow.
    void setUpperGradient(const QColor &top, const QColor &bottom);
    QColor upperGradientTop() const { return m_gradientTop; }
    QColor upperGradientBottom() const { return m_gradientBottom; }

    // Shows the window modally through the context's runModal.
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
    // Runs a step; a store error ends it with its message.
    void guarded(const std::function<void()> &step);

    SearchContext m_context;
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

// Commands of the main window. Without an open database both show
// "Zuerst Datenbank öffnen!". Suchen1Click (F3, Ctrl+F in the grid) opens the
// window on the current record; SearchTBClick starts from the first record
// and shows the record count afterwards.
void Suchen1Click(TVNH_DB_SearchForm &form);
void SearchTBClick(TVNH_DB_SearchForm &form);
