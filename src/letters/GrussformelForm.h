#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;

// The greeting rules in eight rows: key (Edit1..Edit8) "=" greeting
// (Edit_1..Edit_8). The rows are loaded from "Grussformel.txt" each time
// the window is shown; "OK" writes all eight rows back, "Abbrechen" and
// Escape leave the file alone.
class TGrussformelForm : public QDialog
{
    Q_OBJECT
public:
    // programFolder: where "Grussformel.txt" lives; helpPagePath: help
    // folder + the profile's main help page.
    TGrussformelForm(Platform platform, const QString &programFolder, const QString &helpPagePath,
                     QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QList<QLineEdit *> keyEdits;      // Edit1..Edit8
    QList<QLineEdit *> greetingEdits; // Edit_1..Edit_8
    QPushButton *OKBitBtn = nullptr;
    QPushButton *AbbrechenBitBtn = nullptr;
    QPushButton *HilfeBitBtn = nullptr;

    // Loads the rows. A missing file or one with fewer than eight lines
    // leaves the rows without a line empty.
    void FormActivate();
    // Writes the rows and closes with OK; when the file cannot be written
    // the user is told and the window stays open.
    void OKBitBtnClick();
    void HilfeBitBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Platform m_platform;
    QString m_programFolder;
    QString m_helpPagePath;
};
