#pragma once

#include <QString>

// Every blocking interaction with the user: message boxes, file and folder
// choosers and the wait cursor. Windows call this instead of showing dialogs
// themselves, so tests can script the answers.
class UserInterface
{
public:
    virtual ~UserInterface() = default;

    // Information icon, button "OK".
    virtual void information(const QString &text) = 0;
    // Confirmation icon, buttons "Ja" and "Nein"; true for "Ja".
    virtual bool confirm(const QString &text) = 0;
    // Error icon, button "OK".
    virtual void error(const QString &text) = 0;
    // No icon, button "OK"; the shell failure messages use it.
    virtual void plainMessage(const QString &text) = 0;

    // The choosers return the chosen path, or "" when the user cancelled.
    // filter takes Qt's form ("Texte (*.txt);;Alle Dateien (*)") or the
    // pipe form ("Texte|*.txt|Alle Dateien|*.*").
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder,
                                 const QString &filter, const QString &defaultSuffix = {}) = 0;
    virtual QString folder(const QString &caption, const QString &start) = 0;

    // The wait cursor; calls nest, the cursor goes when the outermost
    // beginWait() is ended. An endWait() without a beginWait() is ignored.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
};

// Shows the wait cursor for its lifetime; an exception leaving the scope
// restores the cursor as well.
class WaitCursor
{
public:
    explicit WaitCursor(UserInterface &ui) : m_ui(ui) { m_ui.beginWait(); }
    ~WaitCursor() { m_ui.endWait(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    UserInterface &m_ui;
};
