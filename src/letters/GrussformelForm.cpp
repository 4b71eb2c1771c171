#include "letters/GrussformelForm.h"

#include "letters/Greeting.h"
#include "letters/WizardForm.h"
#include "platform/UserInterface.h"
#include "util/LineFile.h"
#include "util/ShellHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TGrussformelForm::TGrussformelForm(Platform platform, const QString &programFolder,
                                   const QString &helpPagePath, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_programFolder(programFolder),
      m_helpPagePath(helpPagePath)
{
    setObjectName(QStringLiteral("GrussformelForm"));
    setWindowTitle(QStringLiteral("Grußformel"));

    Label1 = new QLabel(QStringLiteral("Im Serienbrief werden alle Begriffe in der Spalte "
                                       "\"Anrede\" durch folgende Grußformeln ersetzt:"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("Spalte \"Anrede\""), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(QStringLiteral("ersetzen durch:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));

    auto *rows = new QGridLayout;
    rows->addWidget(Label2, 0, 0);
    rows->addWidget(Label3, 0, 2);
    for (int n = 1; n <= GreetingRowCount; ++n) {
        auto *key = new QLineEdit(this);
        key->setObjectName(QStringLiteral("Edit%1").arg(n));
        auto *equals = new QLabel(QStringLiteral("="), this);
        auto *greeting = new QLineEdit(this);
        greeting->setObjectName(QStringLiteral("Edit_%1").arg(n));
        greeting->setMinimumWidth(320);
        rows->addWidget(key, n, 0);
        rows->addWidget(equals, n, 1);
        rows->addWidget(greeting, n, 2);
        keyEdits << key;
        greetingEdits << greeting;
    }
    rows->setColumnStretch(2, 1);

    HilfeBitBtn = new QPushButton(QStringLiteral("Hilfe"), this);
    HilfeBitBtn->setObjectName(QStringLiteral("HilfeBitBtn"));
    HilfeBitBtn->setAutoDefault(false);
    OKBitBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBitBtn->setObjectName(QStringLiteral("OKBitBtn"));
    OKBitBtn->setDefault(true);
    AbbrechenBitBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    AbbrechenBitBtn->setObjectName(QStringLiteral("AbbrechenBitBtn"));
    AbbrechenBitBtn->setAutoDefault(false);
    connect(OKBitBtn, &QPushButton::clicked, this, [this] { OKBitBtnClick(); });
    connect(AbbrechenBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HilfeBitBtn, &QPushButton::clicked, this, [this] { HilfeBitBtnClick(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(HilfeBitBtn);
    buttons->addStretch();
    buttons->addWidget(OKBitBtn);
    buttons->addWidget(AbbrechenBitBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(8);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TGrussformelForm::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TGrussformelForm::FormActivate()
{
    // A missing file simply has no rules yet; OK creates it.
    const QList<GreetingRow> rows = GreetingRowsOf(ReadLineFile(GreetingFilePath(m_programFolder)));
    for (int n = 0; n < GreetingRowCount; ++n) {
        keyEdits.at(n)->setText(rows.at(n).key);
        greetingEdits.at(n)->setText(rows.at(n).greeting);
        // Long greetings show from their start.
        keyEdits.at(n)->setCursorPosition(0);
        greetingEdits.at(n)->setCursorPosition(0);
    }
}

void TGrussformelForm::OKBitBtnClick()
{
    QList<GreetingRow> rows;
    for (int n = 0; n < GreetingRowCount; ++n)
        rows.append({keyEdits.at(n)->text(), greetingEdits.at(n)->text()});
    const QString path = GreetingFilePath(m_programFolder);
    QString reason;
    if (!WriteLineFile(path, GreetingLinesOf(rows), &reason)) {
        m_platform.ui.error(QStringLiteral("Die Grußformeln können nicht in „%1“ gespeichert "
                                           "werden.\n%2")
                                .arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    accept();
}

void TGrussformelForm::HilfeBitBtnClick()
{
    ShowHelpPage(m_platform, m_helpPagePath);
}
