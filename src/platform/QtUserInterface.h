#pragma once

#include "platform/UserInterface.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

// The real dialogs: QMessageBox with German buttons and the product title as
// window title, QFileDialog for the choosers, the application's override
// cursor for waiting.
class QtUserInterface : public UserInterface
{
public:
    explicit QtUserInterface(const QString &title = {});

    void setTitle(const QString &title) { m_title = title; }
    QString title() const { return m_title; }
    // The window the dialogs are modal to; without one, the active window.
    void setDialogParent(QWidget *parent) { m_parent = parent; }

    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    void error(const QString &text) override;
    void plainMessage(const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter,
                         const QString &defaultSuffix = {}) override;
    QString folder(const QString &caption, const QString &start) override;
    void beginWait() override;
    void endWait() override;

    // A filter in the pipe form ("Texte (*.txt)|*.txt;*.csv|Alle|*.*") as Qt
    // writes it ("Texte (*.txt *.csv);;Alle (*)"); Qt's own form passes.
    static QString qtFilter(const QString &filter);

private:
    QWidget *dialogParent() const;
    bool showMessage(QMessageBox::Icon icon, const QString &text, bool yesNo);

    QString m_title;
    QPointer<QWidget> m_parent;
    int m_waitDepth = 0;
};
