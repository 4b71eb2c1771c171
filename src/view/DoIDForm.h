#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The ID range dialog (TDoIDForm): a start and an end ID, both inclusive,
// kept between uses. "OK" is offered only while both entries are whole
// numbers the range can hold, and a hint says why it is not.
class TDoIDForm : public QDialog
{
    Q_OBJECT
public:
    explicit TDoIDForm(QWidget *parent = nullptr);

    // The range of the last closing with "OK".
    int StartId = 0;
    int EndId = 0;

    void BitBtn1Click();

    QLabel *DoLabel = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *MaskEdit1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *MaskEdit2 = nullptr;
    QLabel *HintLabel = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void entriesChanged();
};
