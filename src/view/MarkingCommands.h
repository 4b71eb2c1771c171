#pragma once

#include <QObject>
#include <QPointer>

class QString;
class TDoIDForm;
class TFilter2Form;
class Workspace;

// Marking and the bulk record commands of the main window, with the small
// windows they show. The walks themselves are in view/Marking; here are the
// questions (always before the wait cursor), the wait cursor and the status
// bar.
class MarkingCommands : public QObject
{
    Q_OBJECT
public:
    explicit MarkingCommands(Workspace &workspace);
    ~MarkingCommands() override;

    // "alle Adressen markieren" / "unmarkieren".
    void SelectAllTBClick();
    void UnselectAllTBClick();
    // One local SQL statement on the open table file; false when it failed.
    bool SetBooleanFieldBySql(const QString &fieldName, bool value);
    // "Markieren von ID bis ID".
    void MarkierenvonIDbisID1Click();
    // "Alle Datensätze mit folgendem Wortlaut markieren" (ToolButton1, BitBtn10).
    void ToolButton1Click();
    // "Alle markierten Datensätze löschen".
    void AllemarkiertenDatenstzelschen2Click();
    // "Datenbank komplett leeren".
    void Datenbankkomplettleeren1Click();
    // The grid's pop-up "Ausdruck ins Clipboard kopieren": the current cell's text.
    void CopyDBGridToClipboardClick();

    TDoIDForm *DoIDForm() const;
    TFilter2Form *Filter2Form() const;

private:
    void MarkAll(bool value);

    Workspace &m_ws;
    QPointer<TDoIDForm> m_doId;
    QPointer<TFilter2Form> m_filter2;
};
