#pragma once

#include "letters/LetterTemplates.h"
#include "platform/Platform.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;
class Table;
class TGrussformelForm;
class TMailquestionsForm;
class TNoSendoraForm;
class TOpenOrNewForm;
class TVorlageWizzard;

// What the form-letter commands need from the main window.
struct LettersContext
{
    Platform platform;
    // Parent of the windows; may be null.
    QWidget *parent = nullptr;
    // The open database's table, or null when none is open.
    std::function<Table *()> table;
    // The open database's field definition lines (".pro", line 1 the header).
    std::function<QStringList()> fieldDefinitionLines;
    QString programFolder;      // holds "Grussformel.txt"
    QString lettersFolder;      // documents + "Lorvane Serienbrief/"
    QString wizardPicturePath;  // picture folder + the profile's wizard picture
    QString helpPagePath;       // help folder + the profile's main help page
    QString serialMailPage;     // the profile's page about the serial e-mail program
    QString mergeFilePath = {}; // "" = MergeDataFilePath(platform.folders)
    // Shows a window modally and returns its result; null = QDialog::exec().
    // The main window puts its rule for modal windows here.
    std::function<int(QDialog &)> execModal = {};
};

// The form-letter and e-mail commands of the main window, with the windows
// they show. Created once; the windows keep their state between showings.
// Store errors (TableError) leave the commands with the table unfiltered and
// displayed; the main window's command guard reports them.
class FormLetters
{
public:
    explicit FormLetters(LettersContext context);
    ~FormLetters();
    FormLetters(const FormLetters &) = delete;
    FormLetters &operator=(const FormLetters &) = delete;

    // "Serienbrief drucken" (MailBitBtn, BitBtn5, SerienEmailschreiben1, F2).
    void MailBitBtnClick();
    // "Serienbrief schreiben" (VorlageerstellenBitBtn, BitBtn12, Serienbrieferstellen1, F9).
    void VorlageerstellenBitBtnClick();
    // "Grußformel" (Grussormel1).
    void Grussormel1Click();
    // "Outlook mit der selektierten Email starten" (BitBtn11,
    // OutlookmitderselektiertenEmailstarten1, the grid's OutlookStarten).
    void OutlookEMailBitBtnClick();
    // "Serien E-Mail" (SerienmailBitBtn, BitBtn8, SerienEMail1).
    void SerienmailBitBtnClick();

    // Writes the merge data file; false (after a message) when it was not written.
    bool WriteMergeDataFile();
    // Data file, instructions window, template dialog, word processor.
    void StartFromTemplate(TemplateKind kind);
    // Data file, templates hidden, own-documents dialog, word processor.
    void OpenOwnLetter();

    // Marked records found by the last "Serienbrief drucken" check.
    int markedRecordCount() const { return m_markedCount; }
    QString mergeFilePath() const;

    TGrussformelForm *GrussformelForm() const;
    TOpenOrNewForm *OpenOrNewForm() const;
    TMailquestionsForm *MailquestionsForm() const;
    TVorlageWizzard *VorlageWizzard() const;
    TNoSendoraForm *NoSendoraForm() const;

private:
    Table *openTable() const;
    int showModal(QDialog &dialog);
    // Opens a document with the program the desktop associates with it.
    void OpenDocument(const QString &path);

    LettersContext m_ctx;
    int m_markedCount = 0;
    QPointer<TGrussformelForm> m_grussformel;
    QPointer<TOpenOrNewForm> m_openOrNew;
    QPointer<TMailquestionsForm> m_mailquestions;
    QPointer<TVorlageWizzard> m_vorlageWizzard;
    QPointer<TNoSendoraForm> m_noSendora;
};
